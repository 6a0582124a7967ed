#include "cli.h"

#include <charconv>
#include <optional>
#include <sstream>

#include "catalogue/plugin.h"
#include "effects/form.h"
#include "effects/registry.h"
#include "errors.h"
#include "output/page.h"

namespace zentrava::cli {
namespace {

constexpr const char* kUsage =
    "usage: zentrava-cli [--dir DIR] categories\n"
    "       zentrava-cli [--dir DIR] list CATEGORY\n"
    "       zentrava-cli [--dir DIR] form CATEGORY ENTRY\n"
    "       zentrava-cli [--dir DIR] generate CATEGORY ENTRY [--set NAME=VALUE]... [--clear NAME]...\n"
    "                    [--add NAME=VALUE]... [--show raw|script|page] [--preview]\n";

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

struct Selected {
    Tplugin entry;
    const FormDecl* form = nullptr;
};

Selected RequireEntry(const std::string& dir, const std::string& categoryName, const std::string& which) {
    const Category& category = RequireCategory(categoryName);
    const std::string path = JoinPath(dir, category.fileName);
    const CatalogueList list = LoadCatalogue(path);
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
    if (!index) throw UsageError{"no entry '" + which + "' in " + path};
    Selected s{list[*index], FormRegistry::Instance().Find(list[*index].form)};
    if (!s.form) throw UsageError{"entry '" + which + "' names no registered form ('" + s.entry.form + "')"};
    return s;
}

const ControlDecl& RequireControl(const FormDecl& form, const std::string& name) {
    const ControlDecl* c = form.Control(name);
    if (!c || c->kind == ControlKind::Button || c->kind == ControlKind::Label) {
        throw UsageError{form.className + " has no control '" + name + "' that holds a value"};
    }
    return *c;
}

std::pair<std::string, std::string> SplitAssignment(const std::string& option, const std::string& text) {
    std::size_t eq = text.find('=');
    if (eq == std::string::npos) throw UsageError{option + " needs NAME=VALUE, got '" + text + "'"};
    return {text.substr(0, eq), text.substr(eq + 1)};
}

bool IsList(const ControlDecl& c) { return c.kind == ControlKind::ListBox || c.kind == ControlKind::ListView; }

void PrintForm(const FormDecl& form, std::ostream& out) {
    for (const ControlDecl& c : form.controls) {
        std::string def = c.text;
        if (c.kind == ControlKind::Swatch) def = ColorToHtml(c.color);
        if (IsList(c)) def.clear();
        std::string kind = KindName(c.kind);
        if (c.kind == ControlKind::Swatch && c.preset) kind += " preset";
        if (c.kind == ControlKind::ListView && c.editableCaptions) kind += " editable";
        out << c.name << '\t' << kind << '\t' << c.label << '\t' << def << '\n';
        for (const ListEntry& e : c.entries) out << "  " << JoinFields(e) << '\n';
    }
}

int Generate(const std::string& dir, const std::vector<std::string>& args, std::size_t i, std::ostream& out,
             std::ostream& err) {
    if (args.size() < i + 2) throw UsageError{"generate needs CATEGORY and ENTRY"};
    Selected s = RequireEntry(dir, args[i], args[i + 1]);
    FormValues values = DefaultValues(*s.form);
    std::string show = "script";
    bool preview = false;
    for (i += 2; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--preview") {
            preview = true;
            continue;
        }
        if (option != "--set" && option != "--clear" && option != "--add" && option != "--show") {
            throw UsageError{"unknown option '" + option + "'"};
        }
        if (i + 1 >= args.size()) throw UsageError{option + " needs a value"};
        const std::string& value = args[++i];
        if (option == "--show") {
            if (value != "raw" && value != "script" && value != "page") {
                throw UsageError{"--show takes raw, script or page, not '" + value + "'"};
            }
            show = value;
        } else if (option == "--clear") {
            const ControlDecl& c = RequireControl(*s.form, value);
            if (!IsList(c)) throw UsageError{"--clear: '" + c.name + "' is not a list"};
            values[c.name].entries.clear();
        } else if (option == "--add") {
            auto [name, text] = SplitAssignment(option, value);
            const ControlDecl& c = RequireControl(*s.form, name);
            if (!IsList(c)) throw UsageError{"--add: '" + c.name + "' is not a list"};
            ListEntry entry = SplitFields(text);
            const std::size_t columns = c.kind == ControlKind::ListView ? c.columns.size() : 1;
            if (entry.size() > columns) {
                throw UsageError{"--add: '" + c.name + "' has " + std::to_string(columns) + " column(s), got " +
                                 std::to_string(entry.size()) + " fields"};
            }
            entry.resize(columns);
            values[c.name].entries.push_back(std::move(entry));
        } else {  // --set
            auto [name, text] = SplitAssignment(option, value);
            const ControlDecl& c = RequireControl(*s.form, name);
            if (IsList(c)) throw UsageError{"--set: '" + c.name + "' is a list; use --clear and --add"};
            if (c.kind == ControlKind::Swatch) {
                std::optional<TColor> color = ParseColor(text);
                if (!color) throw UsageError{"--set: '" + text + "' is not a colour (#RRGGBB or a decimal value)"};
                values[c.name].color = *color;
            } else {
                values[c.name].text = text;
            }
        }
    }

    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    if (!s.form->generate) throw UsageError{s.form->className + " has no Generate"};
    try {
        zentrava::Generate(*s.form, values, s.entry, dir, skeleton, lines);
        std::vector<std::string> shown;
        if (show == "raw") {
            shown = lines.Lines();
        }
        CodeWindowResult result = ActivateCodeWindow(lines, s.entry, skeleton);
        // As in the code window, a preview file that cannot be saved loses
        // nothing generated: the view is still printed, and the run fails.
        std::optional<std::string> saveError;
        if (preview) {
            try {
                SaveLinesToFile(JoinPath(dir, kPreviewFileName), result.page);
            } catch (const EngineError& e) {
                saveError = e.what();
            }
        }
        if (show == "script") shown = std::move(result.script);
        if (show == "page") shown = std::move(result.page);
        std::string text;
        for (const std::string& line : shown) (text += line) += '\n';
        out << text;
        out.flush();
        if (saveError) {
            err << ErrorBoxText(*saveError) << '\n';
            return 1;
        }
    } catch (const EngineError& e) {
        err << ErrorBoxText(e.what()) << '\n';
        if (!e.File().empty()) err << e.File() << '\n';  // the script file that is too short
        return 1;
    }
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, const std::string& defaultDir, std::ostream& out,
        std::ostream& err) {
    try {
        std::string dir = defaultDir;
        std::size_t i = 0;
        if (i < args.size() && args[i] == "--dir") {
            if (i + 1 >= args.size()) throw UsageError{"--dir needs a folder"};
            dir = args[i + 1];
            i += 2;
        }
        if (i >= args.size()) throw UsageError{"no command given"};
        const std::string& command = args[i++];
        if (command == "--help" || command == "help") {
            out << kUsage;
            return 0;
        }
        if (command == "categories") {
            if (i != args.size()) throw UsageError{"categories takes no arguments"};
            for (const Category& c : Categories()) out << c.caption << '\t' << c.fileName << '\n';
            return 0;
        }
        if (command == "list") {
            if (i + 1 != args.size()) throw UsageError{"list needs exactly one CATEGORY"};
            const Category& c = RequireCategory(args[i]);
            const CatalogueList list = LoadCatalogue(JoinPath(dir, c.fileName));
            for (std::size_t n = 0; n < list.size(); ++n) {
                out << n << '\t' << list[n].ename << '\t' << list[n].form << '\t' << list[n].script << '\n';
            }
            return 0;
        }
        if (command == "form") {
            if (i + 2 != args.size()) throw UsageError{"form needs CATEGORY and ENTRY"};
            PrintForm(*RequireEntry(dir, args[i], args[i + 1]).form, out);
            return 0;
        }
        if (command == "generate") return Generate(dir, args, i, out, err);
        throw UsageError{"unknown command '" + command + "'"};
    } catch (const UsageError& e) {
        err << "zentrava-cli: " << e.message << "\n" << kUsage;
        return 2;
    }
}

}  // namespace zentrava::cli
