#include "cli.h"

#include <CLI/CLI.hpp>

#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

#include "catalogue/plugin.h"
#include "catalogue/search.h"
#include "effects/control_kind.h"
#include "effects/form.h"
#include "effects/registry.h"
#include "effects/typed_text.h"
#include "errors.h"
#include "output/generated_page.h"
#include "output/insert_effect.h"
#include "output/page.h"
#include "output/preview_file.h"
#include "output/save_page.h"

#ifndef ZENTRAVA_VERSION
#define ZENTRAVA_VERSION "unknown"
#endif

namespace zentrava::cli {
namespace {

constexpr const char* kUsage =
    "usage: zentrava-cli [--dir DIR] categories\n"
    "       zentrava-cli [--dir DIR] list CATEGORY [--names en|zh_CN|zh_TW]\n"
    "       zentrava-cli [--dir DIR] form CATEGORY ENTRY\n"
    "       zentrava-cli [--dir DIR] generate CATEGORY ENTRY [--set NAME=VALUE]... [--clear NAME]...\n"
    "                    [--add NAME=VALUE]... [--show raw|script|page] [--preview] [--save FILE] [--force]\n"
    "       zentrava-cli [--dir DIR] insert CATEGORY ENTRY --into FILE [--set NAME=VALUE]... [--clear NAME]...\n"
    "                    [--add NAME=VALUE]... [--last] [--name NAME] [--dry-run]\n"
    "       zentrava-cli [--dir DIR] insert --into FILE --update [--dry-run]\n"
    "       zentrava-cli [--dir DIR] remove --from FILE NAME [--dry-run]\n"
    "       zentrava-cli blocks FILE\n"
    "       zentrava-cli [--dir DIR] find TEXT [--names en|zh_CN|zh_TW]\n"
    "       zentrava-cli [--dir DIR] gallery DIR [--force]\n"
    "       zentrava-cli --version | --help\n";

// A usage error: the message says what was wrong.
struct UsageError {
    std::string message;
};

std::string JoinFields(const std::vector<std::string>& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "\t" : "") + fields[i];
    return text;
}

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        std::size_t tab = text.find('\t', pos);
        fields.push_back(text.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
        if (tab == std::string::npos) return fields;
        pos = tab + 1;
    }
}

const Category& RequireCategory(const std::string& name) {
    if (const Category* c = FindCategory(name)) return *c;
    throw UsageError{"unknown category '" + name + "'"};
}

// An engine error as the error box shows it, and its reason on a second line.
void PrintError(const EngineError& e, std::ostream& err) {
    err << ErrorBoxText(e.what()) << '\n';
    if (!e.Reason().empty()) err << e.Reason() << '\n';
}

// A catalogue's entries; a catalogue that cannot be read or that the list
// limit cut short is said on stderr.
CatalogueList LoadNoting(const std::string& path, std::ostream& err) {
    CatalogueNotes notes;
    CatalogueList list = LoadCatalogue(path, &notes);
    if (!notes.problem.empty()) err << "zentrava-cli: " << path << " cannot be read: " << notes.problem << '\n';
    if (notes.truncated) {
        err << "zentrava-cli: warning: " << path << " lists more sections than fit the list; the first "
            << list.size() << " are read\n";
    }
    return list;
}

// A category's entries, the program directory's and then the user's own; a
// catalogue that is missing or lists nothing is said on stderr.
CatalogueList LoadCategory(const std::string& dir, const Category& category, std::ostream& err,
                           bool quietWhenEmpty = false) {
    const std::string path = JoinPath(dir, category.fileName);
    CatalogueList list = LoadNoting(path, err);
    std::error_code ec;
    if (quietWhenEmpty) {
    } else if (list.empty() && !std::filesystem::exists(path, ec)) {
        err << "zentrava-cli: " << path << " is missing\n";
    } else if (list.empty() && std::filesystem::is_regular_file(path, ec)) {
        err << "zentrava-cli: " << path << " lists no entries\n";
    }
    const std::string userDir = UserEffectsDir();
    if (userDir.empty() || userDir == dir) return list;
    const std::string userPath = JoinPath(userDir, category.fileName);
    if (!std::filesystem::exists(std::filesystem::symlink_status(userPath, ec))) return list;
    for (Tplugin& entry : LoadNoting(userPath, err)) {
        entry.folder = userDir;
        list.push_back(std::move(entry));
    }
    return list;
}

// A relative path cannot be used once the working directory is gone.
void RequireWorkingDirectory(const std::string& path, const char* what) {
    if (path.empty() || path[0] == '/') return;
    std::error_code ec;
    (void)std::filesystem::current_path(ec);
    if (ec) {
        throw UsageError{std::string("the working directory is gone (") + ec.message() + "): give " + what +
                         " as a full path"};
    }
}

struct Selected {
    Tplugin entry;
    const FormDecl* form = nullptr;
};

Selected RequireEntry(const std::string& dir, const std::string& categoryName, const std::string& which,
                      std::ostream& err) {
    const Category& category = RequireCategory(categoryName);
    const CatalogueList list = LoadCategory(dir, category, err);
    std::optional<std::size_t> index;
    std::size_t number = 0;
    auto [end, ec] = std::from_chars(which.data(), which.data() + which.size(), number);
    if (ec == std::errc() && end == which.data() + which.size() && number < list.size()) index = number;
    if (!index) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].ename == which) {
                index = i;
                break;
            }
        }
    }
    if (!index) throw UsageError{"no entry '" + which + "' in " + JoinPath(dir, category.fileName)};
    // A fault in the parameter block of the entry's script file is an EngineError naming file and line.
    Selected s{list[*index], FormForEntry(list[*index], dir)};
    if (!s.form) throw UsageError{"entry '" + which + "' names no registered form ('" + s.entry.form + "')"};
    return s;
}

const ControlDecl& RequireControl(const FormDecl& form, const std::string& name) {
    const ControlDecl* c = form.Control(name);
    if (!c || !HoldsValue(*c)) {
        throw UsageError{form.className + " has no control '" + name + "' that holds a value"};
    }
    return *c;
}

std::pair<std::string, std::string> SplitAssignment(const std::string& option, const std::string& text) {
    std::size_t eq = text.find('=');
    if (eq == std::string::npos) throw UsageError{option + " needs NAME=VALUE, got '" + text + "'"};
    return {text.substr(0, eq), text.substr(eq + 1)};
}

void PrintForm(const FormDecl& form, std::ostream& out) {
    for (const ControlDecl& c : form.controls) {
        std::string def = c.text;
        if (ValueOf(c) == ValueKind::Colour) def = ColorToHtml(c.color);
        if (IsList(c)) def.clear();
        std::string kind = KindName(c.kind);
        if (c.kind == ControlKind::Swatch && c.preset) kind += " preset";
        if (c.kind == ControlKind::ListView && c.editableCaptions) kind += " editable";
        if (c.ranged || c.kind == ControlKind::ChoiceBox) {
            std::string what = WhatItTakes(c);  // "a number from 1 to 20", "one of: a, b"
            kind += " (" + what + ")";
        }
        out << c.name << '\t' << kind << '\t' << c.label << '\t' << def << '\n';
        for (const ListEntry& e : c.entries) out << "  " << JoinFields(e) << '\n';
    }
}

// One change to the form's values, in the order given on the command line.
struct Change {
    std::string option;  // "--set", "--clear", "--add"
    std::string value;
};

void Apply(const FormDecl& form, FormValues& values, const Change& change) {
    const std::string& option = change.option;
    if (option == "--clear") {
        const ControlDecl& c = RequireControl(form, change.value);
        if (!IsList(c)) throw UsageError{"--clear: '" + c.name + "' is not a list"};
        values[c.name].entries.clear();
    } else if (option == "--add") {
        auto [name, text] = SplitAssignment(option, change.value);
        const ControlDecl& c = RequireControl(form, name);
        if (!IsList(c)) throw UsageError{"--add: '" + c.name + "' is not a list"};
        const std::size_t fields = SplitFields(text).size(), columns = EntryFields(c);
        if (fields > columns) {
            throw UsageError{"--add: '" + c.name + "' has " + std::to_string(columns) + " column(s), got " +
                             std::to_string(fields) + " fields"};
        }
        values[c.name].entries.push_back(EntryFromFields(c, text));
    } else {  // --set
        auto [name, text] = SplitAssignment(option, change.value);
        const ControlDecl& c = RequireControl(form, name);
        if (IsList(c)) throw UsageError{"--set: '" + c.name + "' is a list; use --clear and --add"};
        switch (SetValueText(c, values[c.name], text, true)) {
            case ValueTextError::NotColour:
                throw UsageError{"--set: '" + text + "' is not a colour (#RRGGBB or a decimal value)"};
            case ValueTextError::NotNumber:
            case ValueTextError::NotAccepted:
                throw UsageError{"--set: '" + c.name + "' takes " + WhatItTakes(c) + ", got '" + text + "'"};
            case ValueTextError::None:
                break;
        }
    }
}

struct GenerateRequest {
    std::string category, which;
    std::vector<Change> changes;
    std::string show = "script";
    bool preview = false;
    std::string save;
    bool force = false;
};

// Saves the page with its local files and tells each copied file on stderr.
// Files already there are replaced only when `force` is given; otherwise
// nothing is written, they are listed and the result is false.
bool SavePage(const GeneratedPage& generated, const std::string& dir, const std::string& file, bool force,
              std::ostream& err) {
    const PageSavePlan plan = PlanPageSave(generated.Page(), generated.localFiles, dir, file);
    for (const std::string& warning : plan.warnings) err << "zentrava-cli: warning: " << warning << '\n';
    if (!plan.replaced.empty() && !force) {
        err << "zentrava-cli: these files are there already; --force replaces them:\n";
        for (const std::string& replaced : plan.replaced) err << "  " << replaced << '\n';
        return false;
    }
    for (const std::string& copied : SavePageWithFiles(generated.Page(), plan)) err << "copied " << copied << '\n';
    return true;
}

int Generate(const std::string& dir, const GenerateRequest& request, std::ostream& out, std::ostream& err) {
    RequireWorkingDirectory(request.save, "--save FILE");
    Selected s = RequireEntry(dir, request.category, request.which, err);
    FormValues values = DefaultValues(*s.form);
    for (const Change& change : request.changes) Apply(*s.form, values, change);
    if (!s.form->generate) throw UsageError{s.form->className + " has no Generate"};

    // Text is written as typed; say where it would break the script.
    for (const TextWarning& w : TypedTextWarnings(*s.form, values, s.entry, dir)) {
        err << "zentrava-cli: warning: " << w.control << ": " << w.message << " With escapes: " << w.fixed << '\n';
    }
    try {
        GeneratedPage result = MakePage(*s.form, values, s.entry, dir, request.show == "raw" ? RawLines::Keep : RawLines::Drop);
        if (result.scriptCut) {
            err << "zentrava-cli: warning: " << ScriptFilePath(dir, s.entry)
                << " holds a NUL character; the script ends there\n";
        }
        std::vector<std::string> shown;
        if (request.show == "raw") shown = std::move(result.raw);
        // As in the code window, a file that cannot be saved loses nothing
        // generated: the view is still printed, and the run fails.
        std::optional<EngineError> saveError;
        bool refused = false;
        try {
            if (request.preview) SavePreviewFile(EntryFolder(s.entry, dir), result.Page());
            if (!request.save.empty()) refused = !SavePage(result, EntryFolder(s.entry, dir), request.save, request.force, err);
        } catch (const EngineError& e) {
            saveError = e;
        }
        if (request.show == "script") shown.assign(result.Script().begin(), result.Script().end());
        if (request.show == "page") shown = std::move(result.view.page);
        std::string text;
        for (const std::string& line : shown) (text += line) += '\n';
        out << text;
        out.flush();
        if (saveError) {
            PrintError(*saveError, err);
            return 1;
        }
        if (refused) return 1;
    } catch (const EngineError& e) {
        PrintError(e, err);
        if (!e.File().empty()) err << e.File() << '\n';  // the script file that is too short
        return 1;
    }
    return 0;
}

int Find(const std::string& dir, const std::string& text, NameScript names, std::ostream& out, std::ostream& err) {
    std::vector<CatalogueList> catalogues;
    for (const Category& c : Categories()) catalogues.push_back(LoadCategory(dir, c, err, /*quietWhenEmpty=*/true));
    const std::vector<SearchHit> hits = FindEffects(catalogues, text);
    for (const SearchHit& h : hits) {
        out << Categories()[h.category].caption << '\t' << h.index << '\t' << ShownName(h.entry, names) << '\n';
    }
    return hits.empty() ? 1 : 0;
}

std::string Html(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
            case '&': escaped += "&amp;"; break;
            case '<': escaped += "&lt;"; break;
            case '>': escaped += "&gt;"; break;
            case '"': escaped += "&quot;"; break;
            default: escaped += c;
        }
    }
    return escaped;
}

// The file that marks a folder as a gallery's: a later gallery may write there again.
constexpr const char* kGalleryMarker = ".zentrava-gallery";

// Every entry of every category saved with its defaults, and an index page:
// into a new or empty folder, or one that an earlier gallery wrote, unless forced.
int Gallery(const std::string& dir, const std::string& target, bool force, std::ostream& err) {
    namespace fs = std::filesystem;
    RequireWorkingDirectory(target, "DIR");
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::exists(status) && !fs::is_directory(status)) {
        err << ErrorBoxText("Cannot create file " + (fs::path(target) / "index.html").string()) << '\n'
            << target << " is not a folder\n";
        return 1;
    }
    if (fs::is_directory(status) && !force && !fs::exists(fs::path(target) / kGalleryMarker, ec) &&
        !fs::is_empty(target, ec)) {
        err << "zentrava-cli: " << target << " holds files of its own and no earlier gallery; --force writes "
            << "into it all the same\n";
        return 1;
    }
    fs::create_directories(target, ec);
    if (ec) {
        err << ErrorBoxText("Cannot create file " + target) << '\n' << ec.message() << '\n';
        return 1;
    }
    try {
        WriteFileReplacing((fs::path(target) / kGalleryMarker).string(), "Written by zentrava-cli gallery.\n");
    } catch (const EngineError& e) {
        PrintError(e, err);
        return 1;
    }
    std::vector<std::string> index = {
        "<!DOCTYPE html>", "<html><head><meta charset=\"utf-8\"><title>Zentrava effect gallery</title>",
        "<style>body{font:14px sans-serif;margin:1em 2em}li{margin:.2em 0}.failed{color:#b00}"
        "small{color:#555}</style></head><body>",
        "<h1>Zentrava effect gallery</h1>"};
    int failures = 0, saved = 0;
    for (const Category& category : Categories()) {
        const std::string base = fs::path(category.fileName).stem().string();
        const CatalogueList list = LoadCategory(dir, category, err, /*quietWhenEmpty=*/true);
        if (list.empty()) continue;
        index.push_back("<h2>" + Html(category.caption) + "</h2><ol start=\"0\">");
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Tplugin& entry = list[i];
            const std::string names = Html(entry.ename) + " <small>" + Html(entry.gbname) + " / " +
                                      Html(entry.bigname) + "</small>";
            const std::string page = base + "/" + std::to_string(i) + ".html";
            try {
                const FormDecl* form = FormForEntry(entry, dir);
                if (!form || !form->generate) {
                    throw EngineError("the form '" + entry.form + "' cannot generate");
                }
                const GeneratedPage result = MakePage(*form, DefaultValues(*form), entry, dir);
                const PageSavePlan plan =
                    PlanPageSave(result.Page(), result.localFiles, EntryFolder(entry, dir), (fs::path(target) / page).string());
                for (const std::string& warning : plan.warnings) {
                    err << "zentrava-cli: warning: " << category.caption << ' ' << i << ": " << warning << '\n';
                }
                SavePageWithFiles(result.Page(), plan);
                index.push_back("<li><a href=\"" + page + "\">" + names + "</a></li>");
                ++saved;
            } catch (const EngineError& e) {
                ++failures;
                err << category.caption << ' ' << i << ' ' << entry.ename << ": " << ErrorBoxText(e.what()) << '\n';
                index.push_back("<li class=\"failed\">" + names + ": " + Html(ErrorBoxText(e.what())) + "</li>");
            }
        }
        index.push_back("</ol>");
    }
    index.push_back("</body></html>");
    try {
        WriteFileReplacing((fs::path(target) / "index.html").string(), JoinLines(index) + "\n");
    } catch (const EngineError& e) {
        PrintError(e, err);
        return 1;
    }
    err << saved << " pages saved, " << failures << " failed\n";
    return failures ? 1 : 0;
}

struct InsertRequest {
    std::string category, which, file, name;
    std::vector<Change> changes;
    bool update = false, dryRun = false, last = false;
};

// Shows or carries out a planned change to the user's page.
int Finish(const PageEdit& edit, bool dryRun, const char* done, std::ostream& out, std::ostream& err) {
    for (const std::string& note : edit.notes) err << "zentrava-cli: note: " << note << '\n';
    if (dryRun) {
        out << UnifiedDiff(edit.before, edit.after, edit.path, edit.path);
        for (const PageEdit::Copy& copy : edit.copies) err << "would copy " << copy.shown << '\n';
        return 0;
    }
    CarryOut(edit);
    for (const PageEdit::Copy& copy : edit.copies) err << "copied " << copy.shown << '\n';
    if (edit.before == edit.after) {
        err << edit.path << " is unchanged\n";
    } else {
        err << done << (edit.name.empty() ? "" : " " + edit.name) << " (the previous page is " << edit.path
            << ".bak)\n";
    }
    return 0;
}

int Insert(const std::string& dir, const InsertRequest& request, std::ostream& out, std::ostream& err) {
    try {
        if (request.update) return Finish(PlanUpdate(dir, request.file), request.dryRun, "updated", out, err);
        Selected s = RequireEntry(dir, request.category, request.which, err);
        ChosenEffect effect{CategoryBase(RequireCategory(request.category)), s.entry, s.form, DefaultValues(*s.form)};
        if (request.last) {
            if (const auto recipe = ReadLastValues(LastValuesFile(), effect.category, s.entry.ename)) {
                ApplyChanges(*s.form, effect.values, recipe->changes);
            } else {
                err << "zentrava-cli: note: no values remembered for " << s.entry.ename << "; the defaults are used\n";
            }
        }
        for (const Change& change : request.changes) Apply(*s.form, effect.values, change);
        if (!s.form->generate) throw UsageError{s.form->className + " has no Generate"};
        for (const TextWarning& w : TypedTextWarnings(*s.form, effect.values, s.entry, dir)) {
            err << "zentrava-cli: warning: " << w.control << ": " << w.message << " With escapes: " << w.fixed << '\n';
        }
        return Finish(PlanInsert(dir, request.file, std::move(effect), request.name), request.dryRun, "inserted", out,
                      err);
    } catch (const EngineError& e) {
        err << ErrorBoxText(e.what()) << '\n';
        return 1;
    }
}

int Remove(const std::string& file, const std::string& name, bool dryRun, std::ostream& out, std::ostream& err) {
    try {
        return Finish(PlanRemove(file, name), dryRun, "removed", out, err);
    } catch (const EngineError& e) {
        err << ErrorBoxText(e.what()) << '\n';
        return 1;
    }
}

// The page's inserted effects: name, category and entry, then the changes
// to the defaults as the options that make them.
int Blocks(const std::string& file, std::ostream& out, std::ostream& err) {
    try {
        for (const PageBlock& block : ListBlocks(ReadPageFile(file))) {
            if (!block.recipe) {
                out << block.name << "\t(the recipe cannot be read)\t" << block.recipeText << '\n';
                continue;
            }
            out << block.name << '\t' << block.recipe->category << '\t' << block.recipe->entry << '\n';
            for (const RecipeChange& c : block.recipe->changes) {
                if (c.kind == RecipeChange::Clear) out << "  --clear " << c.control << '\n';
                else out << (c.kind == RecipeChange::Set ? "  --set " : "  --add ") << c.control << '=' << c.value << '\n';
            }
        }
    } catch (const EngineError& e) {
        err << ErrorBoxText(e.what()) << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::string& defaultDir, std::ostream& out,
        std::ostream& err) {
    CLI::App app{"Generates Zentrava's effects without a display.", "zentrava-cli"};
    app.set_help_flag();  // --help prints the usage below, as every usage error does
    bool help = false, version = false;
    app.add_flag("--help,-h", help);
    app.add_flag("--version", version);
    std::string dir = defaultDir;
    app.add_option("--dir", dir);
    app.require_subcommand(0, 1);
    app.fallthrough(false);

    app.add_subcommand("categories");
    std::string category, which, text, target;
    CLI::App* list = app.add_subcommand("list");
    list->add_option("CATEGORY", category)->required();
    CLI::App* form = app.add_subcommand("form");
    form->add_option("CATEGORY", category)->required();
    form->add_option("ENTRY", which)->required();
    CLI::App* find = app.add_subcommand("find");
    find->add_option("TEXT", text)->required();
    // The names `list` and `find` print: English, or the simplified or
    // traditional Chinese ones (the messages stay English either way).
    std::string namesCode = "en";
    for (CLI::App* command : {list, find}) {
        command->add_option("--names", namesCode)->check([](const std::string& code) {
            return ParseNameScript(code) ? std::string() : "--names takes en, zh_CN or zh_TW, not '" + code + "'";
        });
    }
    CLI::App* gallery = app.add_subcommand("gallery");
    gallery->add_option("DIR", target)->required();
    bool galleryForce = false;
    gallery->add_flag("--force", galleryForce);

    GenerateRequest request;
    std::vector<std::string> sets, clears, adds;
    CLI::App* generate = app.add_subcommand("generate");
    generate->add_option("CATEGORY", request.category)->required();
    generate->add_option("ENTRY", request.which)->required();
    CLI::Option* set = generate->add_option("--set", sets)->allow_extra_args(false);
    CLI::Option* clear = generate->add_option("--clear", clears)->allow_extra_args(false);
    CLI::Option* add = generate->add_option("--add", adds)->allow_extra_args(false);
    generate->add_option("--show", request.show)->check(CLI::IsMember({"raw", "script", "page"}));
    generate->add_flag("--preview", request.preview);
    generate->add_option("--save", request.save);
    generate->add_flag("--force", request.force);

    InsertRequest insertRequest;
    std::vector<std::string> insertSets, insertClears, insertAdds;
    CLI::App* insert = app.add_subcommand("insert");
    insert->add_option("CATEGORY", insertRequest.category);
    insert->add_option("ENTRY", insertRequest.which);
    insert->add_option("--into", insertRequest.file)->required();
    CLI::Option* insertSet = insert->add_option("--set", insertSets)->allow_extra_args(false);
    CLI::Option* insertClear = insert->add_option("--clear", insertClears)->allow_extra_args(false);
    CLI::Option* insertAdd = insert->add_option("--add", insertAdds)->allow_extra_args(false);
    insert->add_option("--name", insertRequest.name);
    insert->add_flag("--update", insertRequest.update);
    insert->add_flag("--last", insertRequest.last);
    insert->add_flag("--dry-run", insertRequest.dryRun);
    std::string removeFile, removeName;
    bool removeDry = false;
    CLI::App* remove = app.add_subcommand("remove");
    remove->add_option("NAME", removeName)->required();
    remove->add_option("--from", removeFile)->required();
    remove->add_flag("--dry-run", removeDry);
    std::string blocksFile;
    CLI::App* blocks = app.add_subcommand("blocks");
    blocks->add_option("FILE", blocksFile)->required();

    // The --set, --clear and --add of a command in the order they were given.
    const auto ordered = [](CLI::App* command, const std::vector<std::pair<CLI::Option*, std::vector<std::string>*>>& options) {
        std::vector<Change> changes;
        std::map<const CLI::Option*, std::size_t> taken;
        for (const CLI::Option* option : command->parse_order()) {
            for (const auto& [known, values] : options) {
                if (option == known) changes.push_back({option->get_name(), (*values)[taken[option]++]});
            }
        }
        return changes;
    };

    try {
        // CLI11 reads the arguments from the back.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        try {
            app.parse(reversed);
        } catch (const CLI::ParseError& e) {
            if (help) throw;  // --help wins over whatever else is wrong
            std::string message = e.what();
            if (const auto* missing = dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
                (void)missing;
                message += " (an option needs a value)";
            }
            throw UsageError{message};
        }
        if (help) {
            out << kUsage;
            return 0;
        }
        if (version) {
            out << "zentrava-cli " << ZENTRAVA_VERSION << '\n';
            return 0;
        }
        RequireWorkingDirectory(dir, "--dir DIR");
        std::error_code ec;
        if (!std::filesystem::is_directory(dir, ec)) {
            throw UsageError{"the program directory '" + dir + "' does not exist or is not a folder"};
        }
        if (app.got_subcommand("categories")) {
            for (const Category& c : Categories()) out << c.caption << '\t' << c.fileName << '\n';
            return 0;
        }
        const NameScript names = ParseNameScript(namesCode).value_or(NameScript::English);
        if (*list) {
            const CatalogueList entries = LoadCategory(dir, RequireCategory(category), err);
            for (std::size_t n = 0; n < entries.size(); ++n) {
                out << n << '\t' << ShownName(entries[n], names) << '\t' << entries[n].form << '\t' << entries[n].script << '\n';
            }
            return 0;
        }
        if (*form) {
            PrintForm(*RequireEntry(dir, category, which, err).form, out);
            return 0;
        }
        if (*insert) {
            if (insertRequest.update) {
                if (!insertRequest.category.empty() || !insertRequest.name.empty() || !insertSets.empty() ||
                    !insertClears.empty() || !insertAdds.empty() || insertRequest.last) {
                    throw UsageError{"insert --update regenerates every effect of the page from its recipe; "
                                     "it takes no CATEGORY, ENTRY, --name, --last or value options"};
                }
            } else if (insertRequest.which.empty()) {
                throw UsageError{"insert needs CATEGORY and ENTRY (or --update)"};
            }
            if (!insertRequest.name.empty() && !IsValidBlockName(insertRequest.name)) {
                throw UsageError{"--name: '" + insertRequest.name + "' is not a name (letters, digits, '_', '.', '-')"};
            }
            insertRequest.changes = ordered(insert, {{insertSet, &insertSets}, {insertClear, &insertClears},
                                                     {insertAdd, &insertAdds}});
            return Insert(dir, insertRequest, out, err);
        }
        if (*remove) return Remove(removeFile, removeName, removeDry, out, err);
        if (*blocks) return Blocks(blocksFile, out, err);
        if (*find) return Find(dir, text, names, out, err);
        if (*gallery) return Gallery(dir, target, galleryForce, err);
        if (*generate) {
            // The changes in the order they were given.
            std::map<const CLI::Option*, std::size_t> taken;
            for (const CLI::Option* option : generate->parse_order()) {
                const std::vector<std::string>* values = option == set ? &sets : option == clear ? &clears
                                                       : option == add ? &adds : nullptr;
                if (!values) continue;
                request.changes.push_back({option->get_name(), (*values)[taken[option]++]});
            }
            return Generate(dir, request, out, err);
        }
        throw UsageError{"no command given"};
    } catch (const UsageError& e) {
        err << "zentrava-cli: " << e.message << "\n" << kUsage;
        return 2;
    } catch (const EngineError& e) {
        // The entry cannot be opened at all: its parameter block is faulty, or its script file unreadable.
        err << "zentrava-cli: ";
        PrintError(e, err);
        return 2;
    } catch (const CLI::ParseError&) {
        out << kUsage;
        return 0;
    } catch (const std::filesystem::filesystem_error& e) {
        // What the checks above did not foresee still ends with a message, not an abort.
        err << "zentrava-cli: " << e.what() << '\n';
        return 2;
    }
}

}  // namespace zentrava::cli
