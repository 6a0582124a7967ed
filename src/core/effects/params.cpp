#include "effects/params.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "errors.h"
#include "output/color.h"

namespace zentrava {
namespace {

constexpr std::string_view kOpen = "<!--parameters";
constexpr std::string_view kClose = "-->";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool NameChar(char c, bool first) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || (!first && c >= '0' && c <= '9');
}

std::size_t NameLength(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && NameChar(s[n], n == 0)) ++n;
    return n;
}

[[noreturn]] void Fault(const std::string& file, std::size_t line, const std::string& what) {
    throw EngineError(file + ":" + std::to_string(line) + ": " + what);
}

std::optional<double> Number(std::string_view text) {
    if (!IsNumberText(std::string(text))) return std::nullopt;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string Shown(double value) {
    char buffer[32];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

const std::map<std::string_view, ParamKind>& Kinds() {
    static const std::map<std::string_view, ParamKind> kinds = {
        {"text", ParamKind::Text},       {"colour", ParamKind::Colour}, {"color", ParamKind::Colour},
        {"number", ParamKind::Number},   {"choice", ParamKind::Choice}, {"font", ParamKind::Font},
        {"picture", ParamKind::Picture}, {"yesno", ParamKind::YesNo},
    };
    return kinds;
}

ParamDecl ParseLine(std::string_view text, const std::string& file, std::size_t line) {
    ParamDecl p;
    p.line = static_cast<int>(line);
    std::size_t n = NameLength(text);
    if (n == 0) Fault(file, line, "a parameter line starts with its name (letters, digits and _)");
    p.name.assign(text.substr(0, n));
    text = text.substr(n);
    if (text.empty() || (text.front() != ' ' && text.front() != '\t')) {
        Fault(file, line, "the name " + p.name + " must be followed by a space and a kind");
    }
    text = Trim(text);
    std::size_t k = 0;
    while (k < text.size() && text[k] >= 'a' && text[k] <= 'z') ++k;
    const auto kind = Kinds().find(text.substr(0, k));
    if (kind == Kinds().end()) {
        Fault(file, line,
              "'" + std::string(text.substr(0, text.find_first_of(" \t\""))) +
                  "' is not a kind (text, colour, number, choice, font, picture or yesno)");
    }
    p.kind = kind->second;
    text = text.substr(k);
    const std::size_t quote = text.find('"');
    if (quote == std::string_view::npos) Fault(file, line, p.name + " has no caption in double quotes");
    const std::string_view args = Trim(text.substr(0, quote));
    const std::size_t endQuote = text.find('"', quote + 1);
    if (endQuote == std::string_view::npos) Fault(file, line, "the caption of " + p.name + " has no closing quote");
    p.caption.assign(text.substr(quote + 1, endQuote - quote - 1));
    text = Trim(text.substr(endQuote + 1));
    if (text.empty() || text.front() != '=') Fault(file, line, p.name + " needs '= default' after its caption");
    p.defaultText.assign(Trim(text.substr(1)));

    switch (p.kind) {
        case ParamKind::Number: {
            const std::size_t dots = args.find("..");
            const auto lo = dots == std::string_view::npos ? std::nullopt : Number(Trim(args.substr(0, dots)));
            const auto hi = dots == std::string_view::npos ? std::nullopt : Number(Trim(args.substr(dots + 2)));
            if (!lo || !hi || *lo > *hi) Fault(file, line, "a number needs its range, as 1..20");
            p.minimum = *lo;
            p.maximum = *hi;
            const auto value = Number(p.defaultText);
            if (!value || *value < p.minimum || *value > p.maximum) {
                Fault(file, line, "the default of " + p.name + " is not a number from " + Shown(p.minimum) + " to " +
                                      Shown(p.maximum));
            }
            return p;
        }
        case ParamKind::Choice: {
            for (std::size_t start = 0; start <= args.size();) {
                const std::size_t bar = std::min(args.find('|', start), args.size());
                const std::string_view item = Trim(args.substr(start, bar - start));
                if (item.empty()) Fault(file, line, "a choice lists its items as one|two|three, none of them empty");
                p.choices.emplace_back(item);
                start = bar + 1;
            }
            if (std::find(p.choices.begin(), p.choices.end(), p.defaultText) == p.choices.end()) {
                Fault(file, line, "the default of " + p.name + " is not one of its choices");
            }
            return p;
        }
        default:
            break;
    }
    if (!args.empty()) Fault(file, line, "a " + std::string(kind->first) + " takes nothing before its caption");
    if (p.kind == ParamKind::Colour && (p.defaultText.size() != 7 || !ParseColor(p.defaultText))) {
        Fault(file, line, "the default of " + p.name + " is not a colour (#RRGGBB)");
    }
    if (p.kind == ParamKind::YesNo && p.defaultText != "yes" && p.defaultText != "no") {
        Fault(file, line, "the default of " + p.name + " is yes or no");
    }
    return p;
}

// The text that follows a parameter's marker in the file.
std::string DefaultInScript(const ParamDecl& p) {
    if (p.kind == ParamKind::YesNo) return p.defaultText == "yes" ? "true" : "false";
    return p.defaultText;
}

struct Place {
    std::size_t line;    // index into the lines
    std::size_t offset;  // of the default's first byte
    std::size_t param;
};

// Every marker of the script after the block, checked against the declarations.
std::vector<Place> FindPlaces(const std::vector<std::string>& lines, const ParamBlock& block, const std::string& file) {
    std::vector<Place> places;
    std::vector<bool> used(block.params.size());
    for (std::size_t i = block.lines; i < lines.size(); ++i) {
        const std::string& text = lines[i];
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t slash = text.find("/*@", at), angle = text.find("<!--@", at);
            const std::size_t start = std::min(slash, angle);
            if (start == std::string::npos) break;
            const bool comment = start == slash;
            const std::size_t nameAt = start + (comment ? 3 : 5);
            const std::size_t n = NameLength(std::string_view(text).substr(nameAt));
            const std::string_view end = comment ? "*/" : "-->";
            if (n == 0 || text.compare(nameAt + n, end.size(), end) != 0) {
                at = nameAt;  // not a marker: an ordinary comment
                continue;
            }
            const std::string name = text.substr(nameAt, n);
            const std::string marker = text.substr(start, nameAt + n + end.size() - start);
            const auto p = std::find_if(block.params.begin(), block.params.end(),
                                        [&](const ParamDecl& d) { return d.name == name; });
            if (p == block.params.end()) Fault(file, i + 1, "the marker " + marker + " names no declared parameter");
            const std::string def = DefaultInScript(*p);
            std::size_t value = nameAt + n + end.size();
            const char q = value < text.size() ? text[value] : '\0';
            if ((q == '\'' || q == '"' || q == '`') && text.compare(value + 1, def.size(), def) == 0 &&
                value + 1 + def.size() < text.size() && text[value + 1 + def.size()] == q) {
                ++value;
            } else if (text.compare(value, def.size(), def) != 0) {
                Fault(file, i + 1, "the marker " + marker + " must be followed by the default '" + def + "'");
            }
            places.push_back({i, value, static_cast<std::size_t>(p - block.params.begin())});
            used[places.back().param] = true;
            at = value + def.size();
        }
    }
    for (std::size_t k = 0; k < used.size(); ++k) {
        if (!used[k]) {
            Fault(file, static_cast<std::size_t>(block.params[k].line),
                  block.params[k].name + " is declared but no marker in the script uses it");
        }
    }
    return places;
}

}  // namespace

bool HasParamBlock(const std::vector<std::string>& lines) {
    return !lines.empty() && Trim(lines.front()) == kOpen;
}

ParamBlock ParseParamBlock(const std::vector<std::string>& lines, const std::string& file) {
    ParamBlock block;
    if (!HasParamBlock(lines)) return block;
    std::size_t i = 1;
    for (; i < lines.size(); ++i) {
        const std::string_view text = Trim(lines[i]);
        if (text == kClose) break;
        if (text.empty() || text.front() == '#') continue;
        ParamDecl p = ParseLine(text, file, i + 1);
        for (const ParamDecl& other : block.params) {
            if (EqualsIgnoreCase(other.name, p.name)) {
                Fault(file, i + 1, p.name + " is declared twice (first on line " + std::to_string(other.line) + ")");
            }
        }
        block.params.push_back(std::move(p));
    }
    if (i == lines.size()) Fault(file, 1, "the parameter block has no end (a line -->)");
    block.lines = i + 1;
    // The page's own header replaces the two lines after the block: the
    // header comment and an empty line. Anything else there would be lost.
    if (block.lines + 1 < lines.size() && !Trim(lines[block.lines + 1]).empty()) {
        Fault(file, block.lines + 2,
              "the two lines after the parameter block give way to the page's header: the header comment, then an "
              "empty line");
    }
    (void)FindPlaces(lines, block, file);
    return block;
}

std::string ScriptValue(const ParamDecl& param, const FormValues& values) {
    const ControlValue* v = values.Find(param.name);
    if (!v) return DefaultInScript(param);
    switch (param.kind) {
        case ParamKind::Colour: {
            // The file's own spelling of the default colour stays.
            const std::optional<TColor> def = ParseColor(param.defaultText);
            if (def && ResolveColor(*def) == ResolveColor(v->color)) return param.defaultText;
            return ColorToHtml(v->color);
        }
        case ParamKind::YesNo:
            return v->text == "yes" ? "true" : "false";
        default:
            return v->text;
    }
}

void SubstituteParams(std::vector<std::string>& lines, const ParamBlock& block, const FormValues& values) {
    // A file without a block declares nothing: what looks like a marker in it
    // is its own comment (a /*@cc_on*/, say) and stays as written.
    if (block.lines == 0) return;
    const std::vector<Place> places = FindPlaces(lines, block, std::string());
    // From the last place back, so that the offsets before it stay right.
    for (auto it = places.rbegin(); it != places.rend(); ++it) {
        const ParamDecl& p = block.params[it->param];
        const std::string value = ScriptValue(p, values);
        const std::string def = DefaultInScript(p);
        if (value != def) lines[it->line].replace(it->offset, def.size(), value);
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(block.lines));
}

FormDecl ParamForm(const ParamBlock& block) {
    const int rows = static_cast<int>(block.params.size());
    FormDecl f = NewForm(kParamFormClass, "paramForm", rows == 0 ? 0 : 33 + layout::kRow * (rows - 1));
    if (rows == 0) {
        ControlDecl note = Label("Label1", "No Parameters to be set. Use it directly.", {16, 40, 473, 17});
        note.fontFamily = "宋体";
        note.fontSize = 10;
        f.panel = {8, 40, 489, 41};
        f.controls.push_back(note);
    }
    for (int row = 0; row < rows; ++row) {
        const ParamDecl& p = block.params[static_cast<std::size_t>(row)];
        switch (p.kind) {
            case ParamKind::Text:
                f.controls.push_back(Edit(p.name, p.caption, p.defaultText, row, 377));
                break;
            case ParamKind::Colour:
                f.controls.push_back(Swatch(p.name, p.caption, *ParseColor(p.defaultText), row, /*preset=*/true));
                break;
            case ParamKind::Number: {
                ControlDecl c = SpinEdit(p.name, p.caption, p.defaultText, row);
                c.ranged = true;
                c.minimum = p.minimum;
                c.maximum = p.maximum;
                c.unit = Shown(p.minimum) + " - " + Shown(p.maximum);
                f.controls.push_back(std::move(c));
                break;
            }
            case ParamKind::Choice: {
                ControlDecl c = SizeBox(p.name, p.caption, p.defaultText, row);
                c.kind = ControlKind::ChoiceBox;
                c.items = p.choices;
                c.rect.width = 185;
                f.controls.push_back(std::move(c));
                break;
            }
            case ParamKind::Font: {
                ControlDecl c = FontBox(p.name, p.caption, row);
                c.text = p.defaultText;
                f.controls.push_back(std::move(c));
                break;
            }
            case ParamKind::Picture:
                f.controls.push_back(Edit(p.name, p.caption, p.defaultText, row));
                f.controls.push_back(Button(p.name + "Browse", "Browse", ButtonAction::BrowsePicture, p.name,
                                            {layout::kFieldLeft + 221, layout::Row(row), 65, 19}));
                break;
            case ParamKind::YesNo: {
                ControlDecl c = Edit(p.name, p.caption, p.defaultText, row, 185);
                c.kind = ControlKind::CheckBox;
                c.rect.height = 17;
                f.controls.push_back(std::move(c));
                break;
            }
        }
    }
    // The values go into the script file as it is when Generate runs.
    f.generate = [](const FormValues& values, ScriptWriter& out) {
        out.Load();
        std::vector<std::string> lines;
        lines.reserve(out.Count());
        for (std::size_t i = 0; i < out.Count(); ++i) lines.push_back(out.Get(static_cast<long long>(i)));
        const ParamBlock now = ParseParamBlock(lines, out.ScriptPath());
        SubstituteParams(lines, now, values);
        out.Clear();
        for (std::string& line : lines) out.Add(std::move(line));
    };
    return f;
}

}  // namespace zentrava
