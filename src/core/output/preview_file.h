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

// Saves the page as the preview file and returns the full name it went to.
// The program directory is tried first and used whenever it can be written;
// otherwise the per-user folder, in which every folder of the program
// directory is linked under its own name. Raises "Cannot create file <path>"
// naming the file last tried; a file that was there before stays as it was.
// `fileName` names another preview file kept the same way (the live preview's).
std::string SavePreviewFile(const std::string& programDir, const std::vector<std::string>& page,
                            const char* fileName = "temp.htm");

}  // namespace zentrava
