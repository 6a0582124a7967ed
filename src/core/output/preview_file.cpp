#include "output/preview_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Why a folder may not hold the preview file, or empty when it may: it must
// be a folder of the user's own that nobody else can write to.
std::string UnsafeFolder(const struct stat& st, const std::string& path) {
    if (!S_ISDIR(st.st_mode)) return path + " is not a folder";
    if (st.st_uid != ::geteuid()) return "The folder " + path + " belongs to another user";
    if (st.st_mode & (S_IWGRP | S_IWOTH)) return "Other users can write to the folder " + path;
    return {};
}

// Makes each missing folder of `path`, readable by its user only; the
// error of the last folder that could not be made, or 0.
int MakePrivateFolders(const std::string& path) {
    int error = 0;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) error = errno;
        if (slash == std::string::npos) return error;
    }
}

}  // namespace

void CheckUserPreviewDir(const std::string& userDir) {
    const std::string file = JoinPath(userDir, kPreviewFileName);
    const fs::path dir(userDir);
    const std::string cache = dir.parent_path().string();
    const int made = MakePrivateFolders(cache);
    struct stat st {};
    // The cache folder may be a link of the user's own: what it leads to counts.
    if (::stat(cache.c_str(), &st) != 0) ThrowCannotCreate(file, ReasonText(made ? made : errno));
    if (std::string why = UnsafeFolder(st, cache); !why.empty()) ThrowCannotCreate(file, why);
    if (::lstat(userDir.c_str(), &st) != 0) {
        if (errno != ENOENT) ThrowCannotCreate(file, ReasonText(errno));
        if (::mkdir(userDir.c_str(), 0700) != 0 && errno != EEXIST) ThrowCannotCreate(file, ReasonText(errno));
        if (::lstat(userDir.c_str(), &st) != 0) ThrowCannotCreate(file, ReasonText(errno));
    }
    if (S_ISLNK(st.st_mode)) {
        // Another user's link would lead the page wherever that user likes.
        if (st.st_uid != ::geteuid()) ThrowCannotCreate(file, userDir + " is a link that belongs to another user");
        if (::stat(userDir.c_str(), &st) != 0) ThrowCannotCreate(file, ReasonText(errno));
    }
    if (std::string why = UnsafeFolder(st, userDir); !why.empty()) ThrowCannotCreate(file, why);
}

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
    CheckUserPreviewDir(userDir);
    LinkProgramFolders(programDir, userDir);
    SaveLinesToFile(inUserDir, page, FileUse::Scratch);
    return inUserDir;
}

}  // namespace zentrava
