#include "output/save_page.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>

#include "errors.h"
#include "output/percent.h"
#include "output/page.h"

namespace fs = std::filesystem;

namespace zentrava {
namespace {

// A reference as the browser resolves it against the page's folder, or
// empty when it does not name a local file below that folder.
std::string LocalPath(std::string ref) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    while (!ref.empty() && blank(static_cast<unsigned char>(ref.back()))) ref.pop_back();
    ref.erase(ref.begin(), std::find_if_not(ref.begin(), ref.end(), [&](char c) {
                  return blank(static_cast<unsigned char>(c));
              }));
    std::replace(ref.begin(), ref.end(), '\\', '/');
    ref = ref.substr(0, ref.find_first_of("?#"));
    if (ref.empty() || ref[0] == '/') return {};
    // A scheme ("http:", "data:", "javascript:") comes before any slash.
    const std::size_t colon = ref.find(':');
    if (colon != std::string::npos && colon < ref.find('/')) return {};
    std::string decoded;
    for (std::size_t i = 0; i < ref.size(); ++i) {
        if (ref[i] == '%' && i + 2 < ref.size() && HexValue(ref[i + 1]) >= 0 && HexValue(ref[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(ref[i + 1]) * 16 + HexValue(ref[i + 2]));
            i += 2;
        } else {
            decoded += ref[i];
        }
    }
    const fs::path normal = fs::path(decoded).lexically_normal();
    if (normal.empty() || normal.is_absolute() || *normal.begin() == "..") return {};
    if (normal.filename().empty()) return {};  // a folder
    return normal.generic_string();
}

bool StartsWithIgnoreCase(const std::string& text, std::size_t at, const char* word) {
    for (std::size_t k = 0; word[k]; ++k) {
        if (at + k >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[at + k])) != static_cast<unsigned char>(word[k])) {
            return false;
        }
    }
    return true;
}

// The value that starts at `at`: quoted, or up to a blank, '>' or ')'.
std::string ValueAt(const std::string& line, std::size_t at, bool inUrl) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
    if (at >= line.size()) return {};
    if (line[at] == '"' || line[at] == '\'') {
        const std::size_t end = line.find(line[at], at + 1);
        return end == std::string::npos ? std::string() : line.substr(at + 1, end - at - 1);
    }
    const std::size_t end = line.find_first_of(inUrl ? ")" : " \t>", at);
    return line.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// Whether `path` (made absolute and free of links) lies inside `root`.
bool Inside(const fs::path& path, const fs::path& root) {
    const fs::path rel = path.lexically_relative(root);
    return !rel.empty() && *rel.begin() != ".." && rel != ".";
}

// The folder a target is saved into, as typed.
fs::path FolderOf(const std::string& target) {
    fs::path folder = fs::path(target).parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// Where a path leads: links followed, made absolute, for a path whose end
// need not exist yet. Empty when the working directory or a folder on the
// way cannot be read.
fs::path Resolved(const fs::path& path) {
    std::error_code ec;
    fs::path real = fs::weakly_canonical(path, ec);
    if (ec || real.is_relative()) return {};
    return real;
}

// Whether a file holds exactly `size` bytes that `equal` accepts, read in pieces.
template <class Equal>
bool SameContent(const std::string& path, std::uintmax_t size, Equal&& equal) {
    struct stat st {};
    const int fd = OpenRegularFile(path, st);
    if (fd < 0) return false;
    bool same = static_cast<std::uintmax_t>(st.st_size) == size;
    std::vector<char> buffer(1 << 16);
    std::uintmax_t at = 0;
    while (same) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            same = n == 0 && at == size;
            break;
        }
        same = at + static_cast<std::uintmax_t>(n) <= size && equal(at, buffer.data(), static_cast<std::size_t>(n));
        at += static_cast<std::uintmax_t>(n);
    }
    ::close(fd);
    return same;
}

bool SameFiles(const std::string& a, const std::string& b) {
    struct stat st {};
    const int fd = OpenRegularFile(a, st);
    if (fd < 0) return false;
    std::vector<char> piece(1 << 16);
    bool ok = true;
    const bool same = SameContent(b, static_cast<std::uintmax_t>(st.st_size), [&](std::uintmax_t, const char* data, std::size_t n) {
        std::size_t got = 0;
        while (ok && got < n) {
            const ssize_t r = ::read(fd, piece.data() + got, n - got);
            if (r < 0 && errno == EINTR) continue;
            ok = r > 0;
            if (ok) got += static_cast<std::size_t>(r);
        }
        return ok && std::memcmp(piece.data(), data, n) == 0;
    });
    ::close(fd);
    return same;
}

bool SamePage(const std::string& path, const std::vector<std::string>& page) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    std::uintmax_t size = 0;
    for (const std::string& line : page) size += line.size() + 2;
    // A line break inside a line grows the file: only then is the exact size worked out.
    if (static_cast<std::uintmax_t>(st.st_size) < size) return false;
    const std::string bytes = PageFileBytes(page);
    return SameContent(path, bytes.size(), [&](std::uintmax_t at, const char* data, std::size_t n) {
        return std::memcmp(bytes.data() + at, data, n) == 0;
    });
}

}  // namespace

std::vector<std::string> LocalReferences(const std::vector<std::string>& page) {
    std::vector<std::string> found;
    const auto keep = [&](const std::string& ref) {
        std::string path = LocalPath(ref);
        if (!path.empty() && std::find(found.begin(), found.end(), path) == found.end()) {
            found.push_back(std::move(path));
        }
    };
    for (const std::string& line : page) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (StartsWithIgnoreCase(line, i, "url(")) {
                keep(ValueAt(line, i + 4, true));
                continue;
            }
            // An attribute name stands after a blank or a quote, not inside a longer name.
            if (i > 0 && (std::isalnum(static_cast<unsigned char>(line[i - 1])) || line[i - 1] == '-')) continue;
            for (const char* attribute : {"src", "href", "background"}) {
                std::size_t at = i + std::char_traits<char>::length(attribute);
                if (!StartsWithIgnoreCase(line, i, attribute)) continue;
                while (at < line.size() && line[at] == ' ') ++at;
                if (at < line.size() && line[at] == '=') keep(ValueAt(line, at + 1, false));
            }
        }
    }
    return found;
}

PageSavePlan PlanPageSave(const std::vector<std::string>& page, const std::string& sourceDir,
                          const std::string& target) {
    return PlanPageSave(page, LocalReferences(page), sourceDir, target);
}

PageSavePlan PlanPageSave(const std::vector<std::string>& page, const std::vector<std::string>& localFiles,
                          const std::string& sourceDir, const std::string& target) {
    CheckFileTarget(target);
    PageSavePlan plan;
    plan.target = target;
    const fs::path folder = FolderOf(target);
    const fs::path targetRoot = Resolved(folder);
    if (targetRoot.empty()) ThrowCannotCreate(target, ReasonText(errno ? errno : ENOENT));
    if (fs::exists(target) && !SamePage(target, page)) plan.replaced.push_back(target);

    std::error_code ec;
    const fs::path sourceRoot = fs::canonical(sourceDir, ec);
    if (ec) return plan;  // no program directory, nothing beside the page
    for (const std::string& ref : localFiles) {
        const fs::path from = fs::canonical(fs::path(sourceDir) / ref, ec);
        if (ec) continue;  // named but absent: the page shows it missing, as here
        if (!Inside(from, sourceRoot)) {
            plan.warnings.push_back(ref + " leads outside " + sourceDir + ": not copied");
            continue;
        }
        const fs::file_status source = fs::status(from, ec);
        if (fs::is_directory(source)) continue;
        if (!fs::is_regular_file(source)) {
            plan.warnings.push_back(ref + " is not a regular file: not copied");
            continue;
        }
        const fs::path to = folder / ref;
        const fs::path real = Resolved(to);
        if (real.empty() || !Inside(real, targetRoot)) {
            plan.warnings.push_back(ref + " leads outside " + folder.string() + ": not copied");
            continue;
        }
        if (real == from) continue;  // saved into the program directory itself
        PageSavePlan::Copy copy{ref, from.string(), to.string(), false};
        const fs::file_status there = fs::status(real, ec);
        if (fs::exists(there)) {
            if (!fs::is_regular_file(there)) {
                plan.warnings.push_back(to.string() + " is not a regular file: not replaced");
                continue;
            }
            copy.same = SameFiles(copy.from, real.string());
            if (!copy.same) plan.replaced.push_back(copy.to);
        }
        plan.copies.push_back(std::move(copy));
    }
    return plan;
}

std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const PageSavePlan& plan) {
    std::error_code ec;
    const fs::path folder = FolderOf(plan.target);
    fs::create_directories(folder, ec);
    if (ec) ThrowCannotCreate(plan.target, ec.message());
    const fs::path targetRoot = Resolved(folder);
    std::vector<std::string> copied;
    for (const PageSavePlan::Copy& copy : plan.copies) {
        if (!copy.same) {
            const fs::path parent = fs::path(copy.to).parent_path();
            fs::create_directories(parent, ec);
            if (ec) ThrowCannotCreate(copy.to, ec.message());
            // What was made or changed since the plan still has to lead inside.
            const fs::path real = Resolved(parent);
            if (real.empty() || (real != targetRoot && !Inside(real, targetRoot))) {
                ThrowCannotCreate(copy.to, "It leads outside " + folder.string());
            }
            CopyFileReplacing(copy.from, copy.to);
        }
        copied.push_back(copy.ref);
    }
    SaveLinesToFile(plan.target, page);
    return copied;
}

std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const std::string& sourceDir,
                                           const std::string& target) {
    return SavePageWithFiles(page, PlanPageSave(page, sourceDir, target));
}

}  // namespace zentrava
