#include "output/preview_file.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "catalogue/plugin.h"
#include "errors.h"
#include "output/page.h"

namespace fs = std::filesystem;

namespace zentrava {
namespace {

// Links each folder of the program directory into the per-user folder, so
// that "image\Dog.jpg" or "Image/arrow.cur" resolve beside the preview file
// as they do beside the program. A link left by an older installation is
// pointed at the current one; a real folder of the user's is left alone.
void LinkProgramFolders(const std::string& programDir, const std::string& userDir) {
    std::error_code ec;
    for (const fs::directory_entry& item : fs::directory_iterator(programDir, ec)) {
        if (!item.is_directory(ec)) continue;
        const fs::path link = fs::path(userDir) / item.path().filename();
        const fs::path target = fs::absolute(item.path(), ec);
        if (fs::is_symlink(link, ec)) {
            if (fs::read_symlink(link, ec) == target) continue;
            fs::remove(link, ec);
        } else if (fs::exists(link, ec)) {
            continue;
        }
        fs::create_directory_symlink(target, link, ec);
    }
}

}  // namespace

std::string UserPreviewDir() {
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache && *cache == '/') {
        return JoinPath(cache, "zentrava");
    }
    if (const char* home = std::getenv("HOME"); home && *home) return JoinPath(JoinPath(home, ".cache"), "zentrava");
    return {};
}

std::string SavePreviewFile(const std::string& programDir, const std::vector<std::string>& page,
                            const char* fileName) {
    const std::string inProgramDir = JoinPath(programDir, fileName);
    try {
        SaveLinesToFile(inProgramDir, page, FileUse::Scratch);
        return inProgramDir;
    } catch (const EngineError&) {
        // A program directory the user may write keeps the preview file:
        // whatever stopped the save there is the error to report.
        if (::access(programDir.c_str(), W_OK) == 0) throw;
    }
    const std::string userDir = UserPreviewDir();
    if (userDir.empty()) ThrowCannotCreate(inProgramDir);
    const std::string inUserDir = JoinPath(userDir, fileName);
    std::error_code ec;
    fs::create_directories(userDir, ec);
    if (ec) ThrowCannotCreate(inUserDir);
    LinkProgramFolders(programDir, userDir);
    SaveLinesToFile(inUserDir, page, FileUse::Scratch);
    return inUserDir;
}

}  // namespace zentrava
