// The script lines every effect form owns and fills.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zentrava {

// An ordered list of text lines. Index errors raise EngineError with
// "List index out of bounds (<index>)". Lines are byte strings: whatever
// encoding a script file is written in passes through unchanged.
class TScriptCodeStrings {
public:
    TScriptCodeStrings() = default;
    explicit TScriptCodeStrings(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    void Clear() { lines_.clear(); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Insert(long long index, std::string line);  // 0 .. Count()
    void Delete(long long index);
    const std::string& Get(long long index) const;
    void Put(long long index, std::string line);
    std::size_t Count() const { return lines_.size(); }
    // Makes room for `more` lines to come.
    void Reserve(std::size_t more) { lines_.reserve(lines_.size() + more); }
    // Room a loaded or long script keeps for the few lines a code window
    // puts around it, so the page is built without moving it to new memory.
    static constexpr std::size_t kPageHeadroom = 16;
    const std::vector<std::string>& Lines() const { return lines_; }
    // Hands the lines over without copying them and leaves the list empty.
    std::vector<std::string> TakeLines() { return std::exchange(lines_, {}); }
    // Replaces `count` lines from `first` by `with`, moving the lines after
    // them once (Insert and Delete each move them).
    void Splice(std::size_t first, std::size_t count, std::vector<std::string> with);

    // Replaces the content with the lines of a file: a line ends at CR LF,
    // LF or CR, a final line break adds no empty line, and a NUL ends the
    // text. Only a regular file is read. On failure ("Cannot open file
    // <path>", with the reason unless the file is missing) the content is kept.
    void LoadFromFile(const std::string& path);
    // Whether the file loaded last held a NUL, which cut its text short.
    bool LoadedFileCut() const { return loadedFileCut_; }
    // The same rules applied to text held in memory.
    void SetText(std::string_view text);

private:
    void Check(long long index) const;
    std::vector<std::string> lines_;
    bool loadedFileCut_ = false;
};

// Splits text into lines by the rules of TScriptCodeStrings::SetText.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace zentrava
