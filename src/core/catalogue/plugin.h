// Catalogue entries and the category catalogues of the toolbar.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentrava {

// One catalogue entry: the eleven keys of a catalogue section.
struct Tplugin {
    std::string category;
    std::string gbname;
    std::string bigname;
    std::string ename;       // list line, form title, page title
    std::string form;        // registered form class that edits the effect
    std::string script;      // base name of the script file (<script>.dat)
    std::string background;  // body bgColor
    std::string onload;
    std::string onunload;
    std::string onscroll;
    std::string onresize;
    // The user's effects folder the entry was read from, where its script
    // file and pictures are; empty for an entry of the program directory.
    std::string folder{};

    bool operator==(const Tplugin&) const = default;
};

using CatalogueList = std::vector<Tplugin>;

// What loading a catalogue noticed besides the records.
struct CatalogueNotes {
    std::string problem;     // why a file that exists could not be read ("Not a regular file")
    bool truncated = false;  // the list was cut at the limit of the list of section names
};

// Reads a catalogue file: one record per section, in file order. A missing,
// unreadable or empty file gives an empty list; only a regular file is read.
CatalogueList LoadCatalogue(const std::string& path, CatalogueNotes* notes = nullptr);

// Which of an entry's three names a list shows.
enum class NameScript {
    English,      // ename
    Simplified,   // gbname (zh_CN)
    Traditional,  // bigname (zh_TW)
};

// The entry's name in that script; the English name where the Chinese one is empty.
const std::string& ShownName(const Tplugin& entry, NameScript script);

// The script named by a language code: "en", "zh_CN" or "zh_TW" (letter case
// and '-' or '_' alike); none for any other text.
std::optional<NameScript> ParseNameScript(const std::string& code);

// The lines of the effect list: every record's name (ename unless another
// script is asked for), in order.
std::vector<std::string> FillScriptList(const CatalogueList& list, NameScript script = NameScript::English);

// A toolbar category and the catalogue file it reads.
struct Category {
    const char* caption;   // "Mouse"
    const char* fileName;  // "mouse.ini"
};

// The eight categories in toolbar order.
const std::vector<Category>& Categories();

// Finds a category by its file's base name ("mouse"), its file name or its
// toolbar caption ("Others"), ignoring letter case. Null when none matches.
const Category* FindCategory(const std::string& name);

// The user's own effects folder: $XDG_DATA_HOME/zentrava, else
// ~/.local/share/zentrava; empty when neither variable is set.
std::string UserEffectsDir();

// The folder an entry's script file and pictures are read from: its user's
// effects folder, or the program directory.
inline const std::string& EntryFolder(const Tplugin& entry, const std::string& programDir) {
    return entry.folder.empty() ? programDir : entry.folder;
}

// The entries of a category: the program directory's catalogue, then those
// of the user's effects folder (`userDir`, when not empty), which have their
// `folder` set. A fault of the user's catalogue goes into `userNotes`.
CatalogueList LoadCategoryEntries(const std::string& programDir, const Category& category,
                                  const std::string& userDir, CatalogueNotes* notes = nullptr,
                                  CatalogueNotes* userNotes = nullptr);

// The program directory joined with a file name.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace zentrava
