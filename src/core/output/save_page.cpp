#include "output/save_page.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "errors.h"
#include "output/page.h"

namespace fs = std::filesystem;

namespace zentrava {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

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
        if (ref[i] == '%' && i + 2 < ref.size() && HexDigit(ref[i + 1]) >= 0 && HexDigit(ref[i + 2]) >= 0) {
            decoded += static_cast<char>(HexDigit(ref[i + 1]) * 16 + HexDigit(ref[i + 2]));
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

void CopyFileReplacing(const fs::path& from, const fs::path& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) ThrowCannotOpen(from.string());
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) ThrowCannotOpen(from.string());
    WriteFileReplacing(to.string(), bytes);
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

std::vector<std::string> SavePageWithFiles(const std::vector<std::string>& page, const std::string& sourceDir,
                                           const std::string& target) {
    const fs::path folder = fs::absolute(fs::path(target)).parent_path();
    std::vector<std::string> copied;
    std::error_code ec;
    for (const std::string& ref : LocalReferences(page)) {
        const fs::path from = fs::path(sourceDir) / ref;
        if (!fs::is_regular_file(from, ec)) continue;  // named but absent: the page shows it missing, as here
        const fs::path to = folder / ref;
        if (fs::equivalent(from, to, ec)) continue;  // saved into the program directory itself
        fs::create_directories(to.parent_path(), ec);
        if (ec) ThrowCannotCreate(to.string());
        CopyFileReplacing(from, to);
        copied.push_back(ref);
    }
    SaveLinesToFile(target, page);
    return copied;
}

}  // namespace zentrava
