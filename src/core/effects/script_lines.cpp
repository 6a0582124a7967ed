#include "effects/script_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <cerrno>

#include "errors.h"
#include "files.h"

namespace zentrava {

namespace {

// How often `c` occurs in text, eight bytes at a time.
std::size_t CountByte(std::string_view text, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    std::size_t count = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const std::uint64_t t = word ^ pattern;             // a zero byte where c is
        const std::uint64_t nonzero = ((t & kLow7) + kLow7) | t;  // top bit set in every other byte
        count += static_cast<std::size_t>(((~nonzero >> 7) & kOnes) * kOnes >> 56);
    }
    for (; i < text.size(); ++i) count += text[i] == c;
    return count;
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
    if (text.empty()) return {};
    if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
        text = text.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()));
    }
    std::vector<std::string> lines;
    // One allocation for the list, with room for the few lines a code
    // window puts around a script.
    lines.reserve(CountByte(text, '\n') + 1 + TScriptCodeStrings::kPageHeadroom);
    const char* pos = text.data();
    const char* const end = pos + text.size();
    const auto next = [end](const char* from, char c) {
        return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)));
    };
    // A line ends at CR LF, LF or a lone CR. The next LF is looked for again
    // only once passed, so lone CRs do not make the search start over.
    const char* lf = next(pos, '\n');
    while (pos < end) {
        if (lf && lf < pos) lf = next(pos, '\n');
        const char* stop = lf ? lf : end;
        const char* cr = static_cast<const char*>(std::memchr(pos, '\r', static_cast<std::size_t>(stop - pos)));
        if (cr) {
            lines.emplace_back(pos, cr);
            pos = cr + 1;
            if (pos == lf) ++pos;
        } else {
            lines.emplace_back(pos, stop);
            if (!lf) break;
            pos = lf + 1;
        }
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

void TScriptCodeStrings::Splice(std::size_t first, std::size_t count, std::vector<std::string> with) {
    if (first > lines_.size() || count > lines_.size() - first) ThrowListIndex(static_cast<long long>(first + count));
    const std::size_t common = std::min(count, with.size());
    std::move(with.begin(), with.begin() + static_cast<std::ptrdiff_t>(common), lines_.begin() + static_cast<std::ptrdiff_t>(first));
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(first + common);
    if (with.size() > count) {
        lines_.insert(at, std::make_move_iterator(with.begin() + static_cast<std::ptrdiff_t>(common)),
                      std::make_move_iterator(with.end()));
    } else {
        lines_.erase(at, at + static_cast<std::ptrdiff_t>(count - common));
    }
}

void TScriptCodeStrings::SetText(std::string_view text) { lines_ = SplitLines(text); }

void TScriptCodeStrings::LoadFromFile(const std::string& path) {
    std::string text, why;
    if (!ReadRegularFile(path, text, why)) {
        // A missing file says enough; anything else says why.
        ThrowCannotOpen(path, errno == ENOENT ? std::string() : why);
    }
    loadedFileCut_ = std::memchr(text.data(), '\0', text.size()) != nullptr;
    SetText(text);
}

}  // namespace zentrava
