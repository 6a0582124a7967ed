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

// What saving a page at `target` does, worked out before anything is
// written: the local files to copy beside it, the files already there that
// would be replaced (a file with the same bytes is not) and the names left
// out, each with why.
struct PageSavePlan {
    struct Copy {
        std::string ref;   // the relative path the page names
        std::string from;  // where it is, links followed, inside the source folder
        std::string to;    // where it goes, below the target's folder
        bool same = false; // the file there already holds these bytes
    };
    std::string target;
    std::vector<Copy> copies;
    std::vector<std::string> replaced;  // the page first, when it is replaced
    std::vector<std::string> warnings;  // "image/x.jpg leads outside DIR: not copied"
};

// Plans the save of the page to `target` with each local file it names that
// exists below `sourceDir`. Every source must lead (links followed) to a
// regular file inside `sourceDir`, every destination inside the target's
// folder; what leads elsewhere is left out with a warning. Raises "Cannot
// create file <target>", with the reason, for a target that is no regular
// file or new name (a folder, a device, a FIFO). Writes nothing.
PageSavePlan PlanPageSave(const std::vector<std::string>& page, const std::string& sourceDir,
                          const std::string& target);
// The same with the page's local references already found (a GeneratedPage's localFiles).
PageSavePlan PlanPageSave(const std::vector<std::string>& page, const std::vector<std::string>& localFiles,
                          const std::string& sourceDir, const std::string& target);

// Carries out a plan: makes the target's folder where it is missing, copies
// the files (by streaming, with their permission bits; a file already the
// same is left as it is) and writes the page (the bytes the preview file
// gets), every file under a scratch name renamed when complete. Returns the
// relative paths now beside the page. Raises "Cannot create file <path>"
// for a file that cannot be written and "Cannot open file <path>" for one
// that cannot be read.
std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const PageSavePlan& plan);

// Plans and saves at once, replacing what is there.
std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const std::string& sourceDir,
                                           const std::string& target);

}  // namespace zentrava
