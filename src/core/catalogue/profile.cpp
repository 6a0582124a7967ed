#include "catalogue/profile.h"

#include <algorithm>
#include <cerrno>

#include "errors.h"
#include "files.h"

namespace zentrava {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The classic reader hands out C strings: a NUL ends a name or a value.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

// The value as the reader hands it out: up to a NUL, without the blanks
// around it and one pair of enclosing quotation marks, cut to its limit.
std::string_view CleanValue(std::string_view raw) {
    std::string_view v = Trim(UpToNul(raw));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    if (v.size() > ProfileFile::kMaxValueLength) v = v.substr(0, ProfileFile::kMaxValueLength);
    return v;
}

char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool SameIgnoringCase(std::string_view a, std::string_view lower) {
    if (a.size() != lower.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != lower[i]) return false;
    }
    return true;
}

}  // namespace

ProfileFile ProfileFile::Open(const std::string& path, std::string* problem) {
    ProfileFile file;
    std::string why;
    if (!ReadRegularFile(path, file.text_, why)) {
        if (problem && errno != ENOENT) *problem = why;
        return ProfileFile();
    }
    file.Index();
    return file;
}

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile file;
    file.text_ = std::string(text);
    file.Index();
    return file;
}

void ProfileFile::Index() {
    const std::string_view text(text_);
    const std::size_t bom = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    const auto spanOf = [&](std::string_view part) {
        return Span{static_cast<std::size_t>(part.data() - text.data()), part.size()};
    };

    std::size_t listed = 0;  // characters of the section-name list so far
    bool listFull = false;
    std::string lastListed;  // once the list is full: the only name still looked up
    bool inSection = false;  // false before the first section and in skipped ones
    std::size_t pos = bom;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        std::size_t next;
        if (end == text.size()) {
            next = end;
        } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
            next = end + 2;
        } else {
            next = end + 1;
        }
        std::string_view line = Trim(text.substr(pos, end - pos));
        pos = next;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            std::string_view name =
                Trim(UpToNul(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
            if (!listFull) {
                std::size_t need = name.size() + 1;
                if (listed + need <= kSectionListLimit) {
                    sectionNames_.emplace_back(name);
                    listed += need;
                } else {
                    // The list is cut where the limit falls, mid-name if need be.
                    std::size_t room = kSectionListLimit - listed;
                    if (room > 1) sectionNames_.emplace_back(name.substr(0, room - 1));
                    listFull = truncated_ = true;
                    if (!sectionNames_.empty()) lastListed = LowerAscii(sectionNames_.back());
                }
            }
            std::string key = LowerAscii(std::string(name));
            // Past the cut only the last listed name can still be looked up
            // (when the cut shortened it, its section may come later).
            inSection = !listFull || key == lastListed;
            if (inSection) sections_.push_back(Section{std::move(key), entries_.size(), 0});
            continue;
        }
        if (!inSection) continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        entries_.push_back(Entry{spanOf(Trim(UpToNul(line.substr(0, eq)))), spanOf(CleanValue(line.substr(eq + 1)))});
        ++sections_.back().count;
    }
    // Look-ups only ever read the first section of a name: a stable sort
    // keeps the file's order among equal names, and the repeats go.
    std::stable_sort(sections_.begin(), sections_.end(),
                     [](const Section& a, const Section& b) { return a.name < b.name; });
    sections_.erase(std::unique(sections_.begin(), sections_.end(),
                                [](const Section& a, const Section& b) { return a.name == b.name; }),
                    sections_.end());
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    const std::string lower = LowerAscii(std::string(Trim(name)));
    auto it = std::lower_bound(sections_.begin(), sections_.end(), lower,
                               [](const Section& s, const std::string& n) { return s.name < n; });
    return it != sections_.end() && it->name == lower ? &*it : nullptr;
}

std::optional<std::string_view> ProfileFile::Value(const Section& section, std::string_view key) const {
    const std::string wanted = LowerAscii(std::string(Trim(key)));
    // The first of repeated keys wins.
    for (std::size_t i = section.first; i < section.first + section.count; ++i) {
        if (SameIgnoringCase(View(entries_[i].key), wanted)) return View(entries_[i].value);
    }
    return std::nullopt;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    const Section* found = FindSection(section);
    const std::optional<std::string_view> value = found ? Value(*found, key) : std::nullopt;
    return value ? std::string(*value) : defaultValue;
}

}  // namespace zentrava
