#include "output/insert_effect.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "effects/registry.h"
#include "errors.h"
#include "files.h"
#include "output/generated_page.h"
#include "output/percent.h"
#include "output/page.h"
#include "output/save_page.h"

namespace fs = std::filesystem;

namespace zentrava {
namespace {

std::string ReadWhole(const fs::path& file) {
    std::string bytes, why;
    if (!ReadRegularFile(file.string(), bytes, why)) ThrowCannotOpen(file.string(), why);
    return bytes;
}

bool SameContent(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    if (fs::file_size(a, ec) != fs::file_size(b, ec) || ec) return false;
    return ReadWhole(a) == ReadWhole(b);
}

fs::path PageFolder(const std::string& path) { return fs::absolute(fs::path(path)).parent_path(); }

// Plans copying the local files the parts name from the effect's folder (the
// program directory or the user's effects folder) to the same places beside
// the page.
void PlanLocalCopies(PageEdit& edit, const std::string& sourceDir, const EffectParts& parts) {
    std::vector<std::string> lines = parts.head;
    lines.insert(lines.end(), parts.body.begin(), parts.body.end());
    const fs::path folder = PageFolder(edit.path);
    std::error_code ec;
    for (const std::string& ref : LocalReferences(lines)) {
        const fs::path from = fs::path(sourceDir) / ref, to = folder / ref;
        if (!fs::is_regular_file(from, ec)) continue;  // named but absent: the page shows it missing, as the preview does
        if (std::any_of(edit.copies.begin(), edit.copies.end(), [&](const auto& c) { return c.to == to.string(); })) {
            continue;
        }
        if (fs::exists(fs::symlink_status(to, ec))) {
            if (!SameContent(from, to)) {
                edit.notes.push_back(ref + " beside the page differs from the effect's own; it was kept");
            }
            continue;
        }
        edit.copies.push_back({from.string(), to.string(), ref});
    }
}

// A file the user chose outside the program directory: copied beside the
// page under its own name (numbered when another file has that name) and
// named relative to the page from then on.
void PlanChosenFiles(PageEdit& edit, ChosenEffect& effect) {
    const fs::path folder = PageFolder(edit.path);
    std::error_code ec;
    for (const ControlDecl& button : effect.form->controls) {
        if (button.action != ButtonAction::BrowsePicture && button.action != ButtonAction::ChooseFile) continue;
        const ControlValue* value = effect.values.Find(button.target);
        if (!value) continue;
        std::string text = value->text;
        if (text.rfind("file://", 0) == 0) text.erase(0, 7);
        const fs::path from(text);
        if (!from.is_absolute() || !fs::is_regular_file(from, ec)) continue;
        fs::path to = folder / from.filename();
        for (int number = 2; fs::exists(fs::symlink_status(to, ec)) && !SameContent(from, to); ++number) {
            to = folder / (from.stem().string() + "-" + std::to_string(number) + from.extension().string());
        }
        const std::string shown = to.filename().string();
        if (!fs::exists(fs::symlink_status(to, ec))) edit.copies.push_back({from.string(), to.string(), shown});
        effect.values[button.target].text = shown;
    }
}

// An effect whose own lines set one of the window's classic handlers
// replaces the page's handler of that name: the user is told, the lines
// stay as the effect writes them.
void NoteHandlerAssignments(PageEdit& edit, const std::string& name, const EffectParts& parts) {
    for (const char* handler : {"onload", "onunload", "onscroll", "onresize"}) {
        const std::string assignment = std::string("window.") + handler;
        bool found = false;
        for (const std::string& line : parts.body) {
            for (std::size_t at = line.find(assignment); at != std::string::npos && !found;
                 at = line.find(assignment, at + 1)) {
                std::size_t k = at + assignment.size();
                while (k < line.size() && (line[k] == ' ' || line[k] == '\t')) ++k;
                found = k + 1 < line.size() && line[k] == '=' && line[k + 1] != '=';
            }
        }
        if (found) {
            edit.notes.push_back(name + " sets window." + handler + " itself, which replaces a " + handler +
                                 " handler of the page's own");
        }
    }
}

}  // namespace

std::string ReadPageFile(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) throw EngineError("Cannot open file " + path + ": " + std::strerror(errno));
    if (S_ISLNK(st.st_mode)) throw EngineError("Cannot open file " + path + ": it is a symbolic link; name the page itself");
    if (!S_ISREG(st.st_mode)) throw EngineError("Cannot open file " + path + ": it is not a regular file");
    return ReadWhole(path);
}

std::string CategoryBase(const Category& category) { return fs::path(category.fileName).stem().string(); }

ChosenEffect ResolveRecipe(const std::string& programDir, const Recipe& recipe) {
    const Category* category = FindCategory(recipe.category);
    if (!category) throw EngineError("There is no category '" + recipe.category + "'");
    ChosenEffect effect;
    effect.category = CategoryBase(*category);
    const CatalogueList list = LoadCategoryEntries(programDir, *category, UserEffectsDir());
    const auto it = std::find_if(list.begin(), list.end(), [&](const Tplugin& e) { return e.ename == recipe.entry; });
    if (it == list.end()) throw EngineError("The category " + effect.category + " has no entry '" + recipe.entry + "'");
    effect.entry = *it;
    effect.form = FormForEntry(*it, programDir);
    if (!effect.form) throw EngineError("The entry '" + recipe.entry + "' names no registered form ('" + it->form + "')");
    effect.values = DefaultValues(*effect.form);
    ApplyChanges(*effect.form, effect.values, recipe.changes);
    return effect;
}

EffectParts GenerateParts(const std::string& programDir, const ChosenEffect& effect) {
    if (!effect.form || !effect.form->generate) throw EngineError("The entry '" + effect.entry.ename + "' cannot generate");
    return SplitGeneratedPage(MakePage(*effect.form, effect.values, effect.entry, programDir).view, effect.entry);
}

PageEdit PlanInsert(const std::string& programDir, const std::string& path, ChosenEffect effect,
                    const std::string& name) {
    PageEdit edit;
    edit.path = path;
    edit.before = ReadPageFile(path);
    PlanChosenFiles(edit, effect);
    const Recipe recipe{effect.category, effect.entry.ename, ChangesFromDefaults(*effect.form, effect.values)};
    const EffectParts parts = GenerateParts(programDir, effect);
    edit.name = name.empty() ? DefaultBlockName(edit.before, effect.entry.script, recipe) : name;
    edit.after = InsertBlocks(edit.before, edit.name, recipe, parts);
    PlanLocalCopies(edit, EntryFolder(effect.entry, programDir), parts);
    NoteHandlerAssignments(edit, edit.name, parts);
    return edit;
}

PageEdit PlanUpdate(const std::string& programDir, const std::string& path) {
    PageEdit edit;
    edit.path = path;
    edit.before = ReadPageFile(path);
    edit.after = edit.before;
    for (const PageBlock& block : ListBlocks(edit.before)) {
        if (!block.recipe) throw EngineError("The recipe of the inserted effect " + block.name + " cannot be read");
        const ChosenEffect effect = ResolveRecipe(programDir, *block.recipe);
        const EffectParts parts = GenerateParts(programDir, effect);
        edit.after = InsertBlocks(edit.after, block.name, *block.recipe, parts);
        PlanLocalCopies(edit, EntryFolder(effect.entry, programDir), parts);
    }
    return edit;
}

PageEdit PlanRemove(const std::string& path, const std::string& name) {
    PageEdit edit;
    edit.path = path;
    edit.name = name;
    edit.before = ReadPageFile(path);
    edit.after = RemoveBlocks(edit.before, name);
    return edit;
}

void CarryOut(const PageEdit& edit) {
    std::error_code ec;
    for (const PageEdit::Copy& copy : edit.copies) {
        const fs::path to(copy.to);
        fs::create_directories(to.parent_path(), ec);
        if (ec) throw EngineError("Cannot create file " + copy.to + ": " + ec.message());
        WriteFileReplacing(copy.to, ReadWhole(copy.from));
    }
    if (edit.before == edit.after) return;
    WriteFileReplacing(edit.path + ".bak", edit.before);
    WriteFileReplacing(edit.path, edit.after);
}

std::string LastValuesFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config && *config == '/') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        folder = std::string(home) + "/.config";
    } else {
        return {};
    }
    return folder + "/zentrava/last-values.conf";
}

std::string LastValuesKey(const std::string& category, const std::string& ename) {
    static const char* kDigits = "0123456789abcdef";
    std::string key = LowerAscii(category) + "_";
    for (char c : ename) {
        const auto b = static_cast<unsigned char>(c);
        key += kDigits[b >> 4];
        key += kDigits[b & 15];
    }
    return key;
}

std::string EncodeSettingText(const std::string& text) {
    return PercentEncode(text, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::optional<std::string> DecodeSettingText(const std::string& text) { return PercentDecode(text); }

std::optional<Recipe> ReadLastValues(const std::string& file, const std::string& category, const std::string& ename) {
    // Read as a whole, without a stream: this runs as each form opens, the
    // first one during start-up, and the file is usually missing or small.
    std::string text, why;
    if (!ReadRegularFile(file, text, why)) return std::nullopt;
    const std::string key = LastValuesKey(category, ename);
    bool inSection = false;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[lastValues]";
            continue;
        }
        if (!inSection || line.compare(0, key.size() + 1, key + "=") != 0) continue;
        const std::optional<std::string> decoded = DecodeSettingText(line.substr(key.size() + 1));
        return decoded ? DecodeRecipe(*decoded) : std::nullopt;
    }
    return std::nullopt;
}

}  // namespace zentrava
