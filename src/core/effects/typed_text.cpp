#include "effects/typed_text.h"

#include <cctype>

#include "effects/control_kind.h"
#include "errors.h"

namespace zentrava {

namespace {

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* word) {
    for (std::size_t k = 0; word[k]; ++k) {
        if (at + k >= text.size()) return false;
        if (std::tolower(static_cast<unsigned char>(text[at + k])) != word[k]) return false;
    }
    return true;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Reads generated code the way a browser's parser would, as far as strings go.
class Reader {
public:
    Reader(const std::string& code, const std::string& marker) : s_(code), marker_(marker) {}

    std::vector<Enclosure> Run() {
        while (i_ < s_.size()) Html();
        return found_;
    }

private:
    bool AtMarker() const { return !marker_.empty() && i_ < s_.size() && s_.compare(i_, marker_.size(), marker_) == 0; }
    void Record(Enclosure e) {
        found_.push_back(e);
        i_ += marker_.size();
    }

    void Html() {
        if (AtMarker()) return Record({});
        if (s_.compare(i_, 4, "<!--") == 0) {
            std::size_t end = s_.find("-->", i_ + 4);
            // markers inside a comment stand in no string
            for (std::size_t m = s_.find(marker_, i_); m != std::string::npos && m < end; m = s_.find(marker_, m + 1)) {
                found_.push_back({});
            }
            i_ = end == std::string::npos ? s_.size() : end + 3;
            return;
        }
        if (s_[i_] == '<' && i_ + 1 < s_.size() && std::isalpha(static_cast<unsigned char>(s_[i_ + 1]))) {
            const bool script = StartsWithNoCase(s_, i_ + 1, "script") && Ends(i_ + 7);
            const bool style = StartsWithNoCase(s_, i_ + 1, "style") && Ends(i_ + 6);
            ++i_;
            Tag();
            if (script) Raw("</script", false);
            if (style) Raw("</style", true);
            return;
        }
        ++i_;
    }

    bool Ends(std::size_t at) const { return at >= s_.size() || IsSpace(s_[at]) || s_[at] == '>' || s_[at] == '/'; }

    // A start tag from its name to its '>', with its attributes.
    void Tag() {
        while (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '>') {
            if (AtMarker()) Record({});
            else ++i_;
        }
        while (i_ < s_.size()) {
            while (i_ < s_.size() && (IsSpace(s_[i_]) || s_[i_] == '/')) ++i_;
            if (i_ >= s_.size()) return;
            if (s_[i_] == '>') {
                ++i_;
                return;
            }
            const std::size_t name = i_;
            while (i_ < s_.size() && !IsSpace(s_[i_]) && s_[i_] != '=' && s_[i_] != '>') {
                if (AtMarker()) Record({});
                else ++i_;
            }
            const bool handler = StartsWithNoCase(s_, name, "on");
            std::size_t at = i_;
            while (at < s_.size() && IsSpace(s_[at])) ++at;
            if (at >= s_.size() || s_[at] != '=') continue;
            i_ = at + 1;
            while (i_ < s_.size() && IsSpace(s_[i_])) ++i_;
            if (i_ >= s_.size()) return;
            const char q = (s_[i_] == '"' || s_[i_] == '\'') ? s_[i_] : 0;
            if (q) ++i_;
            if (handler && q) {
                Script(q);
            } else {
                while (i_ < s_.size() && (q ? s_[i_] != q : !IsSpace(s_[i_]) && s_[i_] != '>')) {
                    if (AtMarker()) Record({});
                    else ++i_;
                }
                if (q && i_ < s_.size()) ++i_;
            }
        }
    }

    // The content of a script or style element, up to its end tag.
    void Raw(const char* endTag, bool css) {
        const std::size_t end = [&] {
            for (std::size_t k = i_; k < s_.size(); ++k) {
                if (StartsWithNoCase(s_, k, endTag)) return k;
            }
            return s_.size();
        }();
        const std::string body = s_.substr(i_, end - i_);
        Reader inner(body, marker_);
        inner.css_ = css;
        inner.ScriptBody();
        found_.insert(found_.end(), inner.found_.begin(), inner.found_.end());
        i_ = end;
    }

    void ScriptBody() {
        if (css_) Style();
        else Script(0);
    }

    static bool BeforeRegex(char last) {
        return last == 0 || std::string_view("(,=:[!&|?{};+-*%<>~^").find(last) != std::string_view::npos;
    }

    // Script code; inside an event handler attribute, `attribute` is its quote,
    // which ends the code wherever it stands.
    void Script(char attribute) {
        char last = 0;
        auto ended = [&] {
            if (i_ >= s_.size()) return true;
            if (attribute) return s_[i_] == attribute;
            return false;
        };
        while (!ended()) {
            if (AtMarker()) {
                Record({0, false, attribute});
                last = 'a';
                continue;
            }
            const char c = s_[i_];
            if (c == '\'' || c == '"' || c == '`') {
                ++i_;
                String(c, false, attribute);
                last = 'a';
            } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '/') {
                while (!ended() && s_[i_] != '\n') Skip(attribute, 0);
            } else if (c == '/' && i_ + 1 < s_.size() && s_[i_ + 1] == '*') {
                i_ += 2;
                while (!ended() && s_.compare(i_, 2, "*/") != 0) Skip(attribute, 0);
                if (!ended()) i_ += 2;
            } else if (c == '/' && BeforeRegex(last)) {
                ++i_;
                bool inClass = false;
                while (!ended() && s_[i_] != '\n' && (inClass || s_[i_] != '/')) {
                    if (s_[i_] == '\\') Skip(attribute, 0);
                    else if (s_[i_] == '[') inClass = true;
                    else if (s_[i_] == ']') inClass = false;
                    Skip(attribute, 0);
                }
                if (!ended()) ++i_;
                last = 'a';
            } else {
                if (!IsSpace(c)) last = (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$' || c == ')' || c == ']') ? 'a' : c;
                ++i_;
            }
        }
        if (attribute && i_ < s_.size()) ++i_;
    }

    void Style() {
        while (i_ < s_.size()) {
            if (AtMarker()) {
                Record({});
            } else if (s_[i_] == '\'' || s_[i_] == '"') {
                const char q = s_[i_++];
                String(q, true, 0);
            } else if (s_.compare(i_, 2, "/*") == 0) {
                std::size_t end = s_.find("*/", i_ + 2);
                i_ = end == std::string::npos ? s_.size() : end + 2;
            } else {
                ++i_;
            }
        }
    }

    // One character (or a marker) that the reader passes over.
    void Skip(char attribute, char quote) {
        if (AtMarker()) Record({quote, css_, attribute});
        else ++i_;
    }

    // A string after its opening quote, up to its closing quote or the end of the line.
    void String(char quote, bool css, char attribute) {
        while (i_ < s_.size()) {
            if (attribute && s_[i_] == attribute) return;  // the attribute ends, and the string with it
            if (AtMarker()) {
                Record({quote, css, attribute});
                continue;
            }
            const char c = s_[i_];
            if (c == '\\') {
                i_ += 2;
                continue;
            }
            if (c == quote) {
                ++i_;
                return;
            }
            if ((c == '\n' || c == '\r') && quote != '`') return;
            ++i_;
        }
    }

    const std::string& s_;
    const std::string& marker_;
    std::size_t i_ = 0;
    bool css_ = false;
    std::vector<Enclosure> found_;
};

const char* QuoteName(char q) {
    switch (q) {
        case '\'': return "apostrophe (')";
        case '"': return "double quote (\")";
        case '`': return "backquote (`)";
    }
    return "quote";
}

}  // namespace

std::vector<Enclosure> EnclosuresOf(const std::string& code, const std::string& marker) {
    return Reader(code, marker).Run();
}

std::optional<TextWarning> WarningFor(const std::string& text, const std::vector<Enclosure>& places) {
    bool inString = false, inCss = false, inScript = false;
    std::string quotes, attributes;
    for (const Enclosure& e : places) {
        if (e.quote) {
            inString = true;
            (e.css ? inCss : inScript) = true;
            if (quotes.find(e.quote) == std::string::npos) quotes += e.quote;
        }
        if (e.attribute && attributes.find(e.attribute) == std::string::npos) attributes += e.attribute;
    }
    std::string fixed;
    std::vector<std::string> broken, signs;
    auto note = [&broken, &signs](const std::string& what) {
        for (const std::string& b : broken) {
            if (b == what) return;
        }
        broken.push_back(what);
        // the sign in brackets, or the name itself ("line break")
        const std::size_t open = what.find(" (");
        signs.push_back(open == std::string::npos ? what : what.substr(open + 2, what.size() - open - 3));
    };
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        // A backslash before a quote of the string or another backslash is an
        // escape the user typed already.
        if (inString && c == '\\' && k + 1 < text.size() &&
            (text[k + 1] == '\\' || quotes.find(text[k + 1]) != std::string::npos)) {
            fixed += text.substr(k, 2);
            ++k;
            continue;
        }
        // An end tag ends the whole script element, strings and all.
        if (inScript && c == '<' && StartsWithNoCase(text, k + 1, "/script")) {
            note("end tag (</script>)");
            fixed += "<\\/";
            ++k;
            continue;
        }
        if (attributes.find(c) != std::string::npos) {
            note(QuoteName(c));
            fixed += c == '"' ? "&quot;" : "&#39;";
        } else if (inString && quotes.find(c) != std::string::npos) {
            note(QuoteName(c));
            fixed += '\\';
            fixed += c;
        } else if (inString && c == '\\') {
            note("backslash (\\)");
            fixed += "\\\\";
        } else if (inString && (c == '\n' || c == '\r')) {
            note("line break");
            fixed += inScript || !inCss ? (c == '\n' ? "\\n" : "\\r") : (c == '\n' ? "\\A " : "\\D ");
        } else {
            fixed += c;
        }
    }
    if (broken.empty()) return std::nullopt;
    auto join = [](const std::vector<std::string>& parts) {
        std::string list;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            list += k == 0 ? "" : (k + 1 == parts.size() ? " and " : ", ");
            list += parts[k];
        }
        return list;
    };
    const std::string list = join(broken);
    TextWarning w;
    w.brief = join(signs) + (signs.size() == 1 ? " ends" : " end") + " the string";
    w.message = "The " + list + " would end the script string early.";
    w.signs = std::move(signs);
    w.names = std::move(broken);
    w.fixed = std::move(fixed);
    return w;
}

std::vector<TextWarning> TypedTextWarnings(const FormDecl& form, const FormValues& values, const Tplugin& entry,
                                           const std::string& programDir) {
    static const std::string kMarker = "\x1Fzentrava-typed-text\x1F";
    std::vector<TextWarning> warnings;
    if (!form.generate) return warnings;
    for (const ControlDecl& c : form.controls) {
        if (!HoldsText(c)) continue;
        const ControlValue* value = values.Find(c.name);
        if (!value || !MayBreakCode(value->text)) continue;
        FormValues probe = values;
        probe[c.name].text = kMarker;
        std::vector<std::string> skeleton;
        TScriptCodeStrings lines;
        try {
            Generate(form, probe, entry, programDir, skeleton, lines);
        } catch (const std::exception&) {
            continue;  // Generate reports that itself
        }
        std::string code;
        for (const std::string& line : lines.Lines()) (code += line) += '\n';
        if (std::optional<TextWarning> w = WarningFor(value->text, EnclosuresOf(code, kMarker))) {
            w->control = c.name;
            warnings.push_back(std::move(*w));
        }
    }
    return warnings;
}

}  // namespace zentrava
