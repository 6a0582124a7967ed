#include "catalogue/profile.h"

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

std::string CleanValue(std::string_view raw) {
    std::string_view v = Trim(UpToNul(raw));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    if (v.size() > ProfileFile::kMaxValueLength) v = v.substr(0, ProfileFile::kMaxValueLength);
    return std::string(v);
}

}  // namespace

ProfileFile ProfileFile::Open(const std::string& path, std::string* problem) {
    std::string text, why;
    if (!ReadRegularFile(path, text, why)) {
        if (problem && errno != ENOENT) *problem = why;
        return ProfileFile();
    }
    return Parse(text);
}

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile file;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::size_t listed = 0;       // characters of the section-name list so far
    bool listFull = false;
    std::string lastListed;       // once the list is full: the only name still looked up
    Section* current = nullptr;   // null before the first section and inside repeats
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        std::size_t next;
        if (end == std::string_view::npos) {
            end = next = text.size();
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
            std::string name(
                Trim(UpToNul(line.substr(1, close == std::string_view::npos ? line.npos : close - 1))));
            if (!listFull) {
                std::size_t need = name.size() + 1;
                if (listed + need <= kSectionListLimit) {
                    file.sectionNames_.push_back(name);
                    listed += need;
                } else {
                    // The list is cut where the limit falls, mid-name if need be.
                    std::size_t room = kSectionListLimit - listed;
                    if (room > 1) file.sectionNames_.push_back(name.substr(0, room - 1));
                    listFull = file.truncated_ = true;
                    if (!file.sectionNames_.empty()) lastListed = LowerAscii(file.sectionNames_.back());
                }
            }
            std::string key = LowerAscii(name);
            // Past the cut only the last listed name can still be looked up
            // (when the cut shortened it, its section may come later).
            if (listFull && key != lastListed) {
                current = nullptr;
                continue;
            }
            auto found = file.sectionIndex_.find(key);
            if (found == file.sectionIndex_.end()) {
                file.sectionIndex_.emplace(key, file.sections_.size());
                file.sections_.emplace_back();
                current = &file.sections_.back();
            } else {
                current = nullptr;  // look-ups only ever read the first section of a name
            }
            continue;
        }
        if (current == nullptr) continue;
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string key = LowerAscii(std::string(Trim(UpToNul(line.substr(0, eq)))));
        current->values.try_emplace(std::move(key), CleanValue(line.substr(eq + 1)));
    }
    return file;
}

std::string ProfileFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const {
    auto s = sectionIndex_.find(LowerAscii(std::string(Trim(section))));
    if (s == sectionIndex_.end()) return defaultValue;
    const Section& sec = sections_[s->second];
    auto v = sec.values.find(LowerAscii(std::string(Trim(key))));
    return v == sec.values.end() ? defaultValue : v->second;
}

}  // namespace zentrava
