// Reader for the profile (INI) files that hold the category catalogues.
//
// It keeps the rules of the classic profile reader the catalogues were
// written for, limits included:
//  - section and key names are compared ignoring letter case;
//  - blanks around names and values are dropped, and one pair of matching
//    quotation marks (" or ') enclosing the whole value is removed;
//  - an absent key gives the caller's default, a present but empty one "";
//  - a value is cut to 2047 characters;
//  - the list of section names is cut to 16384 characters, counting one
//    terminator after each name;
//  - a repeated section name is listed each time, but every look-up reads
//    the first section of that name; the first of repeated keys wins;
//  - a line whose first non-blank character is ';' is a comment;
//  - a missing or unreadable file is a file without sections; only a
//    regular file is read (a FIFO or a device is a file without sections).
// Unlike the classic reader it skips a UTF-8 byte-order mark, so a file
// saved by a modern editor still reads. Lines may end in CR LF, LF or CR.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrava {

class ProfileFile {
public:
    static constexpr std::size_t kMaxValueLength = 2047;
    static constexpr std::size_t kSectionListLimit = 16384;

    ProfileFile() = default;
    // Reads the whole file; never fails. A file that exists but cannot be
    // read (no regular file, no permission) puts the reason in `problem`.
    static ProfileFile Open(const std::string& path, std::string* problem = nullptr);
    // Parses profile text held in memory.
    static ProfileFile Parse(std::string_view text);

    // Section names in file order, repeats included, within the list limit.
    const std::vector<std::string>& SectionNames() const { return sectionNames_; }
    // Whether the list of section names was cut at its limit. Sections past
    // the cut are not read (nothing can look them up), apart from one with
    // the name the cut left last.
    bool Truncated() const { return truncated_; }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

    // For reading several keys of one section: the section is looked up
    // once (null when there is none), then each key in it.
    struct Section;
    const Section* FindSection(std::string_view name) const;
    std::optional<std::string_view> Value(const Section& section, std::string_view key) const;

private:
    // Names and values are kept as places in the file's text: a catalogue is
    // read once per category change, and a copy of every key and value
    // (with a hash table per section) cost more than the reading itself.
    struct Span {
        std::size_t at = 0, size = 0;
    };
    struct Entry {
        Span key, value;  // the key as written, the value cleaned
    };
    void Index();  // parses text_
    std::string_view View(Span s) const { return std::string_view(text_).substr(s.at, s.size); }

    std::string text_;
    std::vector<std::string> sectionNames_;
    bool truncated_ = false;
    std::vector<Entry> entries_;
    std::vector<Section> sections_;  // one per distinct name (the first), sorted by name
};

struct ProfileFile::Section {
    std::string name;                  // lower case
    std::size_t first = 0, count = 0;  // its entries, in file order
};

}  // namespace zentrava
