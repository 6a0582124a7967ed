// The preview file "temp.htm": in the program directory, or for a user who
// cannot write there (an installed program directory belongs to root) in a
// per-user folder that reaches the program directory's folders by the same
// relative paths, so the page's pictures and cursor files still load.
#pragma once

#include <string>
#include <vector>

namespace zentrava {

// $XDG_CACHE_HOME/zentrava, else $HOME/.cache/zentrava; empty when neither is set.
std::string UserPreviewDir();

// Makes the per-user folder where it is missing (readable by its user only)
// and raises "Cannot create file <folder>/temp.htm", with the reason, unless
// it and the cache folder it stands in are the user's own and nobody else
// can write to them. A "zentrava" link that someone else owns is refused,
// not followed.
void CheckUserPreviewDir(const std::string& userDir);

// Saves the page as the preview file and returns the full name it went to.
// The program directory is tried first and used whenever it can be written;
// otherwise the per-user folder (checked as above), in which every folder of the program
// directory is linked under its own name. Raises "Cannot create file <path>"
// naming the file last tried; a file that was there before stays as it was.
// `fileName` names another preview file kept the same way (the live preview's).
std::string SavePreviewFile(const std::string& programDir, const std::vector<std::string>& page,
                            const char* fileName = "temp.htm");

}  // namespace zentrava
