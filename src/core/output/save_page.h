// Saving a generated page so that it works on its own: the page file plus
// every local file it names by a relative path, in the same relative place.
#pragma once

#include <string>
#include <vector>

namespace zentrava {

// The relative local paths a page names in src=, href=, background= and
// url(...), in order of first appearance, each once. Backslashes are read as
// slashes and %XX escapes decoded, as the preview engine reads them; web
// addresses, other schemes, anchors, absolute paths and paths that climb
// out of the page's folder ("..") are left out.
std::vector<std::string> LocalReferences(const std::vector<std::string>& page);

// Writes the page to `target` (the bytes the preview file gets) and copies
// each local file it names that exists below `sourceDir` to the same
// relative place beside `target`. Every file is written under a scratch name
// and renamed when complete. Returns the relative paths copied. Raises
// "Cannot create file <path>" for a file that cannot be written and
// "Cannot open file <path>" for one that cannot be read.
std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const std::string& sourceDir,
                                           const std::string& target);

}  // namespace zentrava
