#include "catalogue/plugin.h"
#include <cstdlib>

#include "catalogue/profile.h"
#include "errors.h"

namespace zentrava {

CatalogueList LoadCatalogue(const std::string& path, CatalogueNotes* notes) {
    const ProfileFile file = ProfileFile::Open(path, notes ? &notes->problem : nullptr);
    if (notes) notes->truncated = file.Truncated();
    CatalogueList list;
    list.reserve(file.SectionNames().size());
    for (const std::string& name : file.SectionNames()) {
        const ProfileFile::Section* section = file.FindSection(name);
        auto read = [&](std::string_view key, std::string_view def = {}) {
            const std::optional<std::string_view> value = section ? file.Value(*section, key) : std::nullopt;
            return std::string(value ? *value : def);
        };
        Tplugin p;
        p.category = read("category");
        p.gbname = read("gbname");
        p.bigname = read("bigname");
        p.ename = read("ename");
        p.form = read("form");
        p.script = read("script");
        p.background = read("background", "#FFFFFF");
        p.onload = read("onload");
        p.onunload = read("onunload");
        p.onscroll = read("onscroll");
        p.onresize = read("onresize");
        list.push_back(std::move(p));
    }
    return list;
}

const std::string& ShownName(const Tplugin& entry, NameScript script) {
    const std::string& chinese = script == NameScript::Simplified    ? entry.gbname
                                 : script == NameScript::Traditional ? entry.bigname
                                                                     : entry.ename;
    return chinese.empty() ? entry.ename : chinese;
}

std::optional<NameScript> ParseNameScript(const std::string& code) {
    std::string folded = LowerAscii(code);
    for (char& c : folded) {
        if (c == '-') c = '_';
    }
    if (folded == "en") return NameScript::English;
    if (folded == "zh_cn") return NameScript::Simplified;
    if (folded == "zh_tw") return NameScript::Traditional;
    return std::nullopt;
}

std::vector<std::string> FillScriptList(const CatalogueList& list, NameScript script) {
    std::vector<std::string> lines;
    lines.reserve(list.size());
    for (const Tplugin& p : list) lines.push_back(ShownName(p, script));
    return lines;
}

const std::vector<Category>& Categories() {
    static const std::vector<Category> categories = {
        {"Mouse", "mouse.ini"}, {"Menu", "menu.ini"}, {"Text", "text.ini"},
        {"Page", "page.ini"},   {"Time", "time.ini"}, {"Image", "image.ini"},
        {"Game", "game.ini"},   {"Others", "other.ini"},
    };
    return categories;
}

const Category* FindCategory(const std::string& name) {
    for (const Category& c : Categories()) {
        std::string file = c.fileName;
        std::string base = file.substr(0, file.size() - 4);
        if (EqualsIgnoreCase(name, base) || EqualsIgnoreCase(name, file) ||
            EqualsIgnoreCase(name, c.caption)) {
            return &c;
        }
    }
    return nullptr;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace zentrava

namespace zentrava {

std::string UserEffectsDir() {
    const char* data = std::getenv("XDG_DATA_HOME");
    // A relative XDG_DATA_HOME is invalid and passed over, as the base directory rules say.
    if (data && data[0] == '/') return JoinPath(data, "zentrava");
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return JoinPath(JoinPath(home, ".local/share"), "zentrava");
    return {};
}

CatalogueList LoadCategoryEntries(const std::string& programDir, const Category& category,
                                  const std::string& userDir, CatalogueNotes* notes, CatalogueNotes* userNotes) {
    CatalogueList list = LoadCatalogue(JoinPath(programDir, category.fileName), notes);
    if (userDir.empty() || userDir == programDir) return list;
    CatalogueList own = LoadCatalogue(JoinPath(userDir, category.fileName), userNotes);
    for (Tplugin& entry : own) {
        entry.folder = userDir;
        list.push_back(std::move(entry));
    }
    return list;
}

}  // namespace zentrava
