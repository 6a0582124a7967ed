#include "effects/script_lines.h"

#include <cstdio>
#include <memory>
#include <filesystem>

#include "errors.h"

namespace zentrava {

std::vector<std::string> SplitLines(std::string_view text) {
    if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    }
    return lines;
}

void TScriptCodeStrings::Check(long long index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= lines_.size()) ThrowListIndex(index);
}

void TScriptCodeStrings::Insert(long long index, std::string line) {
    if (index < 0 || static_cast<std::size_t>(index) > lines_.size()) ThrowListIndex(index);
    lines_.insert(lines_.begin() + index, std::move(line));
}

void TScriptCodeStrings::Delete(long long index) {
    Check(index);
    lines_.erase(lines_.begin() + index);
}

const std::string& TScriptCodeStrings::Get(long long index) const {
    Check(index);
    return lines_[static_cast<std::size_t>(index)];
}

void TScriptCodeStrings::Put(long long index, std::string line) {
    Check(index);
    lines_[static_cast<std::size_t>(index)] = std::move(line);
}

void TScriptCodeStrings::SetText(std::string_view text) { lines_ = SplitLines(text); }

void TScriptCodeStrings::LoadFromFile(const std::string& path) {
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) ThrowCannotOpen(path);
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (!file) ThrowCannotOpen(path);
    std::string text;
    if (auto size = std::filesystem::file_size(path, ec); !ec) text.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) text.append(buffer, got);
    if (std::ferror(file.get())) ThrowCannotOpen(path);
    SetText(text);
}

}  // namespace zentrava
