#include "output/insert_page.h"

#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>

#include "effects/control_kind.h"
#include "errors.h"
#include "output/percent.h"

namespace zentrava {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool StartsAt(const std::string& s, std::size_t at, const char* word) {
    const std::size_t n = std::strlen(word);
    if (at + n > s.size()) return false;
    for (std::size_t k = 0; k < n; ++k) {
        if (std::tolower(static_cast<unsigned char>(s[at + k])) != static_cast<unsigned char>(word[k])) return false;
    }
    return true;
}

std::string Trim(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && IsSpace(text[a])) ++a;
    while (b > a && IsSpace(text[b - 1])) --b;
    return std::string(text.substr(a, b - a));
}

// ---- Recipe text -------------------------------------------------------

bool KeptInRecipe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::strchr("_.~#/,()*+!", c) != nullptr;
}

std::string Encode(const std::string& text) { return PercentEncode(text, KeptInRecipe); }

std::optional<std::string> Decode(std::string_view text) { return PercentDecode(text, KeptInRecipe); }

std::string JoinFields(const ListEntry& entry) {
    std::string text;
    for (std::size_t i = 0; i < entry.size(); ++i) text += (i ? "\t" : "") + entry[i];
    return text;
}

// ---- The page as a browser's tokenizer reads it ------------------------

struct Token {
    enum Kind { StartTag, EndTag, Comment, Text, Block } kind;
    std::size_t begin, end;
    std::string name;  // tag name in lower case; a block's name
};

struct BlockLine {
    std::string name;
    bool head = false;
    std::string recipe;
};

// The begin line's words after "zentrava:begin", or nothing for another comment.
std::optional<BlockLine> ParseBeginComment(const std::string& content) {
    const std::string text = Trim(content);
    static const std::string kBegin = "zentrava:begin ";
    if (text.compare(0, kBegin.size(), kBegin) != 0) return std::nullopt;
    BlockLine line;
    std::size_t at = kBegin.size();
    auto word = [&]() {
        while (at < text.size() && text[at] == ' ') ++at;
        const std::size_t end = std::min(text.find(' ', at), text.size());
        std::string w = text.substr(at, end - at);
        at = end;
        return w;
    };
    line.name = word();
    if (!IsValidBlockName(line.name)) return std::nullopt;
    std::size_t mark = at;
    if (word() == "head") {
        line.head = true;
    } else {
        at = mark;
    }
    line.recipe = Trim(std::string_view(text).substr(at));
    return line;
}

std::string EndComment(const std::string& name) { return "<!-- zentrava:end " + name + " -->"; }

// Where a tag that starts at `at` ends: after its '>', skipping quoted attribute values.
std::size_t TagEnd(const std::string& s, std::size_t at) {
    bool afterEquals = false;
    for (std::size_t j = at + 1; j < s.size(); ++j) {
        const char c = s[j];
        if (c == '>') return j + 1;
        if (c == '=') {
            afterEquals = true;
        } else if ((c == '"' || c == '\'') && afterEquals) {
            const std::size_t close = s.find(c, j + 1);
            if (close == std::string::npos) return s.size();
            j = close;
            afterEquals = false;
        } else if (!IsSpace(c)) {
            afterEquals = false;
        }
    }
    return s.size();
}

std::string TagName(const std::string& s, std::size_t at) {
    std::string name;
    while (at < s.size() && !IsSpace(s[at]) && s[at] != '/' && s[at] != '>') {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(s[at])));
        ++at;
    }
    return name;
}

bool IsRawText(const std::string& name) {
    for (const char* raw : {"script", "style", "xmp", "iframe", "noembed", "noframes", "noscript", "textarea",
                            "title"}) {
        if (name == raw) return true;
    }
    return false;
}

// The page's tokens that matter here: tags, comments, text that is not
// blank, and the inserted blocks, each taken whole.
std::vector<Token> Tokenize(const std::string& s) {
    std::vector<Token> tokens;
    const std::size_t n = s.size();
    // A byte order mark is no text of the page.
    std::size_t textStart = StartsAt(s, 0, "\xEF\xBB\xBF") ? 3 : 0;
    const auto flushText = [&](std::size_t until) {
        for (std::size_t k = textStart; k < until; ++k) {
            if (!IsSpace(s[k])) {
                tokens.push_back({Token::Text, k, until, {}});
                break;
            }
        }
    };
    std::size_t i = textStart;
    while (i < n) {
        if (s[i] != '<' || i + 1 >= n) {
            ++i;
            continue;
        }
        Token t{Token::Comment, i, n, {}};
        const char next = s[i + 1];
        if (StartsAt(s, i, "<!--")) {
            std::size_t contentEnd = n;
            if (StartsAt(s, i + 4, ">")) {
                contentEnd = i + 4;
                t.end = i + 5;
            } else if (StartsAt(s, i + 4, "->")) {
                contentEnd = i + 4;
                t.end = i + 6;
            } else {
                const std::size_t a = s.find("-->", i + 4), b = s.find("--!>", i + 4);
                if (a != std::string::npos && (b == std::string::npos || a < b)) {
                    contentEnd = a;
                    t.end = a + 3;
                } else if (b != std::string::npos) {
                    contentEnd = b;
                    t.end = b + 4;
                }
            }
            if (const auto begin = ParseBeginComment(s.substr(i + 4, contentEnd - (i + 4)))) {
                const std::string end = EndComment(begin->name);
                const std::size_t at = s.find(end, t.end);
                if (at == std::string::npos) {
                    throw EngineError("The page has the begin line of the inserted effect " + begin->name +
                                      " but not its end line");
                }
                t = {Token::Block, i, at + end.size(), begin->name};
            }
        } else if (next == '!' || next == '?') {
            const std::size_t close = s.find('>', i + 2);
            t.end = close == std::string::npos ? n : close + 1;
        } else if (next == '/' && i + 2 < n && IsAlpha(s[i + 2])) {
            t = {Token::EndTag, i, TagEnd(s, i), TagName(s, i + 2)};
        } else if (next == '/') {
            const std::size_t close = s.find('>', i + 2);
            t.end = close == std::string::npos ? n : close + 1;
        } else if (IsAlpha(next)) {
            t = {Token::StartTag, i, TagEnd(s, i), TagName(s, i + 1)};
        } else {
            ++i;
            continue;
        }
        flushText(i);
        tokens.push_back(t);
        i = t.end;
        textStart = i;
        if (t.kind == Token::StartTag && t.name == "plaintext") {
            i = textStart = n;
        } else if (t.kind == Token::StartTag && IsRawText(t.name)) {
            // The element's text runs to its own end tag, whatever it holds.
            const std::string close = "</" + t.name;
            std::size_t at = i;
            for (;;) {
                at = s.find("</", at);
                if (at == std::string::npos) {
                    at = n;
                    break;
                }
                if (StartsAt(s, at, close.c_str()) &&
                    (at + close.size() >= n || IsSpace(s[at + close.size()]) || s[at + close.size()] == '/' ||
                     s[at + close.size()] == '>')) {
                    break;
                }
                at += 2;
            }
            i = textStart = at;
        }
    }
    flushText(n);
    return tokens;
}

// The attributes of a start tag, names in lower case.
std::vector<std::pair<std::string, std::string>> Attributes(const std::string& s, const Token& tag) {
    std::vector<std::pair<std::string, std::string>> attributes;
    std::size_t j = tag.begin + 1 + tag.name.size();
    const std::size_t end = tag.end > tag.begin ? tag.end - 1 : tag.end;
    while (j < end) {
        while (j < end && (IsSpace(s[j]) || s[j] == '/')) ++j;
        std::string name;
        while (j < end && !IsSpace(s[j]) && s[j] != '=' && s[j] != '/' && s[j] != '>') {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(s[j++])));
        }
        while (j < end && IsSpace(s[j])) ++j;
        std::string value;
        if (j < end && s[j] == '=') {
            ++j;
            while (j < end && IsSpace(s[j])) ++j;
            if (j < end && (s[j] == '"' || s[j] == '\'')) {
                const char quote = s[j++];
                while (j < end && s[j] != quote) value += s[j++];
                ++j;
            } else {
                while (j < end && !IsSpace(s[j]) && s[j] != '>') value += s[j++];
            }
        }
        if (!name.empty()) attributes.emplace_back(std::move(name), std::move(value));
        else if (j < end) ++j;
    }
    return attributes;
}

// ---- Places ------------------------------------------------------------

bool IsHeadContent(const std::string& tag) {
    for (const char* name : {"html", "head", "base", "basefont", "bgsound", "link", "meta", "noscript", "script",
                             "style", "template", "title", "noframes"}) {
        if (tag == name) return true;
    }
    return false;
}

// Where the head ends: its end tag, or the first thing that a browser puts in the body.
std::size_t HeadPlace(const std::vector<Token>& tokens, std::size_t size) {
    for (const Token& t : tokens) {
        switch (t.kind) {
            case Token::EndTag:
                if (t.name == "head" || t.name == "body" || t.name == "html" || t.name == "br") return t.begin;
                break;
            case Token::StartTag:
                if (!IsHeadContent(t.name)) return t.begin;
                break;
            case Token::Text:
                return t.begin;
            default:
                break;
        }
    }
    return size;
}

bool IsMarker(const std::string& s, const Token& t) {
    if (t.kind != Token::Comment || !StartsAt(s, t.begin, "<!--") || t.end < t.begin + 7) return false;
    const std::size_t close = s[t.end - 2] == '!' ? 4 : 3;
    return EqualsIgnoreCase(Trim(std::string_view(s).substr(t.begin + 4, t.end - close - t.begin - 4)), "zentrava");
}

// Where the body part goes: the marker, else </body>, else </html>, else the end.
std::size_t BodyPlace(const std::string& s, const std::vector<Token>& tokens) {
    for (const Token& t : tokens) {
        if (IsMarker(s, t)) return t.begin;
    }
    for (const char* name : {"body", "html"}) {
        for (const Token& t : tokens) {
            if (t.kind == Token::EndTag && t.name == name) return t.begin;
        }
    }
    return s.size();
}

std::size_t LineStart(const std::string& s, std::size_t at) {
    while (at > 0 && s[at - 1] != '\n' && s[at - 1] != '\r') --at;
    return at;
}

bool OnlyBlanks(const std::string& s, std::size_t from, std::size_t to) {
    for (std::size_t k = from; k < to; ++k) {
        if (s[k] != ' ' && s[k] != '\t') return false;
    }
    return true;
}

// Where a block that goes before `at` starts, and its indentation: the start
// of the line when only blanks stand before `at` on it.
std::pair<std::size_t, std::string> InsertionPoint(const std::string& s, std::size_t at) {
    const std::size_t line = LineStart(s, at);
    if (OnlyBlanks(s, line, at)) return {line, s.substr(line, at - line)};
    return {at, {}};
}

// The bytes of a block already in the page: its indentation, when the line
// holds nothing before it, and the line end after its end line.
struct Extent {
    std::size_t begin, end;
    std::string indent;
    bool head;
};

Extent BlockExtent(const std::string& s, const Token& t) {
    Extent e{t.begin, t.end, {}, false};
    const std::size_t line = LineStart(s, t.begin);
    if (OnlyBlanks(s, line, t.begin)) {
        e.indent = s.substr(line, t.begin - line);
        e.begin = line;
    }
    if (StartsAt(s, e.end, "\r\n")) {
        e.end += 2;
    } else if (e.end < s.size() && (s[e.end] == '\n' || s[e.end] == '\r')) {
        e.end += 1;
    }
    const std::size_t close = s.find("-->", t.begin);
    e.head = ParseBeginComment(s.substr(t.begin + 4, close - t.begin - 4))->head;
    return e;
}

std::string LineEnd(const std::string& s) {
    const std::size_t lf = s.find('\n');
    if (lf != std::string::npos && lf > 0 && s[lf - 1] == '\r') return "\r\n";
    if (lf == std::string::npos && s.find('\r') != std::string::npos) return "\r";
    return "\n";
}

// ---- Charsets ----------------------------------------------------------

// The iconv name of a charset label, empty for UTF-8.
std::string ConverterName(const std::string& label) {
    const std::string l = LowerAscii(Trim(label));
    if (l.empty() || l == "utf-8" || l == "utf8" || l == "unicode-1-1-utf-8") return {};
    for (const char* gbk : {"gbk", "gb2312", "x-gbk", "chinese", "csgb2312", "gb_2312", "gb_2312-80", "iso-ir-58"}) {
        if (l == gbk) return "GBK";
    }
    for (const char* latin : {"iso-8859-1", "iso8859-1", "latin1", "l1", "us-ascii", "ascii", "windows-1252",
                              "cp1252", "x-cp1252", "ansi_x3.4-1968"}) {
        if (l == latin) return "WINDOWS-1252";
    }
    if (l == "shift_jis" || l == "sjis" || l == "x-sjis" || l == "windows-31j") return "CP932";
    if (l == "big5" || l == "x-x-big5") return "BIG5-HKSCS";
    std::string upper;
    for (char c : l) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string ToCharset(const std::string& text, const std::string& label) {
    const std::string name = ConverterName(label);
    if (name.empty()) return text;
    if (name == "UTF-16" || name == "UTF-16LE" || name == "UTF-16BE") {
        throw EngineError("Pages written in UTF-16 cannot take an inserted effect; save the page as UTF-8");
    }
    iconv_t cd = ::iconv_open(name.c_str(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw EngineError("The page's charset '" + label + "' is not known");
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, ::iconv_close);
    std::string out(text.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* to = out.data();
    std::size_t outLeft = out.size();
    if (::iconv(cd, &in, &inLeft, &to, &outLeft) == static_cast<std::size_t>(-1)) {
        const std::size_t at = text.size() - inLeft;
        std::size_t len = 1;
        while (at + len < text.size() && (static_cast<unsigned char>(text[at + len]) & 0xC0) == 0x80) ++len;
        throw EngineError("The page is written in " + label + ", which has no character for '" +
                          text.substr(at, len) + "' in the effect");
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::string BlockText(const std::vector<std::string>& lines, const std::string& name, bool head,
                      const std::string& recipe, const std::string& indent, const std::string& eol) {
    std::string text = indent + "<!-- zentrava:begin " + name + (head ? " head " : " ") + recipe + " -->" + eol;
    for (const std::string& line : lines) {
        // A line break inside a line becomes the page's own.
        std::size_t from = 0;
        for (;;) {
            const std::size_t brk = line.find_first_of("\r\n", from);
            const std::string part = line.substr(from, brk == std::string::npos ? std::string::npos : brk - from);
            text += (part.empty() ? std::string() : indent) + part + eol;
            if (brk == std::string::npos) break;
            from = brk + (line.compare(brk, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    return text + indent + EndComment(name) + eol;
}

std::string DecodeEntities(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        bool replaced = false;
        for (auto [entity, c] : {std::pair{"&quot;", '"'}, {"&#39;", '\''}, {"&apos;", '\''}, {"&lt;", '<'},
                                 {"&gt;", '>'}, {"&amp;", '&'}}) {
            if (value.compare(i, std::strlen(entity), entity) == 0) {
                out += c;
                i += std::strlen(entity) - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += value[i];
    }
    return out;
}

}  // namespace

// ---- Recipes -----------------------------------------------------------

std::vector<RecipeChange> ChangesFromDefaults(const FormDecl& form, const FormValues& values) {
    std::vector<RecipeChange> changes;
    for (const ControlDecl& c : form.controls) {
        if (!HoldsValue(c)) continue;
        const ControlValue* v = values.Find(c.name);
        if (!v) continue;
        if (IsList(c)) {
            if (v->entries == c.entries) continue;
            changes.push_back({RecipeChange::Clear, c.name, {}});
            for (const ListEntry& e : v->entries) changes.push_back({RecipeChange::Add, c.name, JoinFields(e)});
        } else if (ValueOf(c) == ValueKind::Colour) {
            if (v->color == c.color) continue;
            const bool plain = v->color >= 0 && v->color <= 0xFFFFFF;
            changes.push_back({RecipeChange::Set, c.name, plain ? ColorToHtml(v->color) : std::to_string(v->color)});
        } else if (v->text != c.text) {
            changes.push_back({RecipeChange::Set, c.name, v->text});
        }
    }
    return changes;
}

void ApplyChanges(const FormDecl& form, FormValues& values, const std::vector<RecipeChange>& changes) {
    for (const RecipeChange& change : changes) {
        const ControlDecl* c = form.Control(change.control);
        if (!c || !HoldsValue(*c)) throw EngineError(form.className + " has no control '" + change.control + "'");
        ControlValue& v = values[c->name];
        if ((change.kind != RecipeChange::Set) != IsList(*c)) {
            throw EngineError("'" + c->name + "' of " + form.className + (IsList(*c) ? " is a list" : " is not a list"));
        }
        if (change.kind == RecipeChange::Clear) {
            v.entries.clear();
        } else if (change.kind == RecipeChange::Add) {
            v.entries.push_back(EntryFromFields(*c, change.value));
        } else {
            switch (SetValueText(*c, v, change.value, false)) {
                case ValueTextError::NotColour: throw EngineError("'" + change.value + "' is not a colour");
                case ValueTextError::NotAccepted:
                    throw EngineError("'" + c->name + "' takes " + WhatItTakes(*c) + ", not '" + change.value + "'");
                default: break;
            }
        }
    }
}

std::string EncodeRecipe(const Recipe& recipe) {
    std::string text = "category=" + Encode(recipe.category) + " entry=" + Encode(recipe.entry);
    for (const RecipeChange& c : recipe.changes) {
        switch (c.kind) {
            case RecipeChange::Set: text += " set:" + Encode(c.control) + "=" + Encode(c.value); break;
            case RecipeChange::Clear: text += " clear:" + Encode(c.control); break;
            case RecipeChange::Add: text += " add:" + Encode(c.control) + "=" + Encode(c.value); break;
        }
    }
    return text;
}

std::optional<Recipe> DecodeRecipe(const std::string& text) {
    Recipe recipe;
    bool category = false, entry = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = std::string_view(text).substr(at, end - at);
        at = end;
        const std::size_t eq = word.find('=');
        const std::string_view key = word.substr(0, eq);
        const std::optional<std::string> value =
            eq == std::string_view::npos ? std::optional<std::string>("") : Decode(word.substr(eq + 1));
        if (!value) return std::nullopt;
        if (key == "category" && eq != std::string_view::npos) {
            recipe.category = *value;
            category = true;
            continue;
        }
        if (key == "entry" && eq != std::string_view::npos) {
            recipe.entry = *value;
            entry = true;
            continue;
        }
        const std::size_t colon = key.find(':');
        if (colon == std::string_view::npos) return std::nullopt;
        const std::string_view kind = key.substr(0, colon);
        const std::optional<std::string> control = Decode(key.substr(colon + 1));
        if (!control || control->empty()) return std::nullopt;
        if (kind == "set" && eq != std::string_view::npos) {
            recipe.changes.push_back({RecipeChange::Set, *control, *value});
        } else if (kind == "add" && eq != std::string_view::npos) {
            recipe.changes.push_back({RecipeChange::Add, *control, *value});
        } else if (kind == "clear" && eq == std::string_view::npos) {
            recipe.changes.push_back({RecipeChange::Clear, *control, {}});
        } else {
            return std::nullopt;
        }
    }
    if (!category || !entry) return std::nullopt;
    return recipe;
}

// ---- Parts of a generated page ------------------------------------------

std::vector<std::string> ListenerLines(const Tplugin& entry) {
    std::vector<std::string> lines;
    // An unload handler runs on pagehide: browsers fire it whenever they
    // would fire unload, and keep pages with unload listeners out of their
    // back-forward cache.
    for (auto [event, code] : {std::pair{"load", &entry.onload}, {"pagehide", &entry.onunload},
                               {"scroll", &entry.onscroll}, {"resize", &entry.onresize}}) {
        if (code->empty()) continue;
        lines.push_back(std::string("window.addEventListener('") + event + "', function (event) { " +
                        DecodeEntities(*code) + " });");
    }
    if (lines.empty()) return lines;
    lines.insert(lines.begin(), "<script>");
    lines.push_back("</script>");
    return lines;
}

EffectParts SplitGeneratedPage(const CodeWindowResult& result, const Tplugin& entry) {
    EffectParts parts;
    const std::vector<std::string>& page = result.page;
    const std::size_t skeletonEnd = result.scriptBegin > 0 ? result.scriptBegin - 1 : 0;  // the empty line
    std::size_t headEnd = skeletonEnd, bodyLine = skeletonEnd;
    for (std::size_t i = 0; i < skeletonEnd; ++i) {
        if (EqualsIgnoreCase(page[i], "</Head>")) {
            headEnd = i;
            bodyLine = i + 1;
            break;
        }
    }
    for (std::size_t i = 0; i < headEnd; ++i) {
        const std::string& line = page[i];
        if (EqualsIgnoreCase(line, "<Html>") || EqualsIgnoreCase(line, "<Head>") || StartsAt(line, 0, "<title>")) {
            continue;
        }
        parts.head.push_back(line);
    }
    // Lines a page effect added to the skeleton after the body line; the
    // body end tag they may carry belongs to the page, not to the effect.
    for (std::size_t i = bodyLine + 1; i < skeletonEnd; ++i) {
        std::string line = page[i];
        for (std::size_t at = 0; (at = LowerAscii(line).find("</body>", at)) != std::string::npos;) line.erase(at, 7);
        if (!Trim(line).empty()) parts.body.push_back(line);
    }
    // The script, without the code window's own instructions.
    auto script = result.Script();
    std::size_t first = 0;
    if (first < script.size() && script[first] == kBodyHeaderComment) ++first;
    if (first < script.size() && StartsAt(script[first], 0, "<!-- insert onload=")) ++first;
    if (first < script.size() && script[first].empty()) ++first;
    parts.body.insert(parts.body.end(), script.begin() + static_cast<std::ptrdiff_t>(first), script.end());
    while (!parts.body.empty() && Trim(parts.body.back()).empty()) parts.body.pop_back();
    const std::vector<std::string> listeners = ListenerLines(entry);
    parts.body.insert(parts.body.end(), listeners.begin(), listeners.end());
    return parts;
}

// ---- Blocks --------------------------------------------------------------

bool IsValidBlockName(const std::string& name) {
    if (name.empty() || name.size() > 100) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return IsAlpha(c) || (c >= '0' && c <= '9') || c == '_' || c == '.' || c == '-';
    });
}

std::vector<PageBlock> ListBlocks(const std::string& page) {
    std::vector<PageBlock> blocks;
    for (const Token& t : Tokenize(page)) {
        if (t.kind != Token::Block) continue;
        const std::size_t close = page.find("-->", t.begin);
        const BlockLine line = *ParseBeginComment(page.substr(t.begin + 4, close - t.begin - 4));
        auto it = std::find_if(blocks.begin(), blocks.end(), [&](const PageBlock& b) { return b.name == line.name; });
        if (it == blocks.end()) {
            blocks.push_back({line.name, line.recipe, DecodeRecipe(line.recipe), {}});
            it = blocks.end() - 1;
        }
        it->starts.push_back(t.begin);
    }
    return blocks;
}

std::string DefaultBlockName(const std::string& page, const std::string& base, const Recipe& recipe) {
    std::string name;
    for (char c : base) name += IsValidBlockName(std::string(1, c)) ? c : '-';
    if (name.empty()) name = "effect";
    if (name.size() > 90) name.resize(90);
    const std::vector<PageBlock> blocks = ListBlocks(page);
    const auto taken = [&](const std::string& n) {
        return std::find_if(blocks.begin(), blocks.end(), [&](const PageBlock& b) { return b.name == n; });
    };
    std::string firstFree;
    for (int number = 1;; ++number) {
        const std::string candidate = number == 1 ? name : name + "-" + std::to_string(number);
        const auto it = taken(candidate);
        if (it == blocks.end()) {
            if (firstFree.empty()) firstFree = candidate;
            if (number > static_cast<int>(blocks.size()) + 1) break;
        } else if (it->recipe && *it->recipe == recipe) {
            return candidate;  // the same effect again: it replaces itself
        }
    }
    return firstFree;
}

std::string PageCharset(const std::string& page) {
    if (StartsAt(page, 0, "\xEF\xBB\xBF")) return "utf-8";
    if (StartsAt(page, 0, "\xFE\xFF") || StartsAt(page, 0, "\xFF\xFE")) return "utf-16";
    for (const Token& t : Tokenize(page)) {
        if (t.kind != Token::StartTag || t.name != "meta") continue;
        std::string charset, httpEquiv, content;
        for (const auto& [name, value] : Attributes(page, t)) {
            if (name == "charset" && charset.empty()) charset = Trim(value);
            if (name == "http-equiv") httpEquiv = LowerAscii(Trim(value));
            if (name == "content") content = value;
        }
        if (charset.empty() && httpEquiv == "content-type") {
            const std::size_t at = LowerAscii(content).find("charset=");
            if (at != std::string::npos) {
                charset = content.substr(at + 8);
                charset = Trim(charset.substr(0, charset.find_first_of(";")));
                if (!charset.empty() && (charset[0] == '"' || charset[0] == '\'')) {
                    charset = charset.substr(1, charset.find(charset[0], 1) - 1);
                }
            }
        }
        if (!charset.empty()) return LowerAscii(charset);
    }
    return "utf-8";
}

std::string InsertBlocks(const std::string& page, const std::string& name, const Recipe& recipe,
                         const EffectParts& parts) {
    if (!IsValidBlockName(name)) {
        throw EngineError("'" + name + "' cannot name an inserted effect: use letters, digits, '_', '.' and '-'");
    }
    if (parts.head.empty() && parts.body.empty()) throw EngineError("The effect has nothing to insert");
    const std::string charset = PageCharset(page);
    const std::string eol = LineEnd(page);
    const std::string recipeText = EncodeRecipe(recipe);
    const std::vector<Token> tokens = Tokenize(page);

    std::optional<Extent> oldHead, oldBody;
    for (const Token& t : tokens) {
        if (t.kind != Token::Block || t.name != name) continue;
        const Extent e = BlockExtent(page, t);
        (e.head ? oldHead : oldBody) = e;
    }
    struct Edit {
        std::size_t begin, end;
        std::string text;
    };
    std::vector<Edit> edits;
    const auto place = [&](const std::vector<std::string>& lines, bool head, const std::optional<Extent>& old,
                           std::size_t anchor) {
        if (old) {
            edits.push_back({old->begin, old->end,
                             lines.empty() ? std::string()
                                           : BlockText(lines, name, head, recipeText, old->indent, eol)});
        } else if (!lines.empty()) {
            const auto [at, indent] = InsertionPoint(page, anchor);
            edits.push_back({at, at, BlockText(lines, name, head, recipeText, indent, eol)});
        }
    };
    place(parts.head, true, oldHead, HeadPlace(tokens, page.size()));
    place(parts.body, false, oldBody, BodyPlace(page, tokens));
    // From the back, so that earlier places keep their offsets; where both
    // parts go to one place (a page with nothing but text), the body part
    // goes in first and the head part before it.
    std::string result = page;
    while (!edits.empty()) {
        auto later = edits.begin();
        for (auto it = edits.begin(); it != edits.end(); ++it) {
            if (it->begin >= later->begin) later = it;
        }
        result.replace(later->begin, later->end - later->begin, ToCharset(later->text, charset));
        edits.erase(later);
    }
    return result;
}

std::string RemoveBlocks(const std::string& page, const std::string& name) {
    std::vector<Extent> extents;
    for (const Token& t : Tokenize(page)) {
        if (t.kind == Token::Block && t.name == name) extents.push_back(BlockExtent(page, t));
    }
    if (extents.empty()) throw EngineError("The page has no inserted effect named " + name);
    std::string result = page;
    for (auto it = extents.rbegin(); it != extents.rend(); ++it) result.erase(it->begin, it->end - it->begin);
    return result;
}

// ---- Differences -------------------------------------------------------

namespace {

std::vector<std::string> SplitKeepingEnds(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t lf = text.find('\n', from);
        const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
        lines.push_back(text.substr(from, end - from));
        from = end;
    }
    return lines;
}

}  // namespace

std::string UnifiedDiff(const std::string& before, const std::string& after, const std::string& beforeName,
                        const std::string& afterName) {
    if (before == after) return {};
    const std::vector<std::string> a = SplitKeepingEnds(before), b = SplitKeepingEnds(after);
    std::size_t prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
        ++suffix;
    }
    // The middle by longest common subsequence; a very large one as a whole.
    const std::size_t n = a.size() - prefix - suffix, m = b.size() - prefix - suffix;
    struct Op {
        char kind;
        std::size_t ia, ib;  // line indices (0-based) in a and b
    };
    std::vector<Op> ops;
    for (std::size_t i = 0; i < prefix; ++i) ops.push_back({' ', i, i});
    if (n * m <= 4'000'000) {
        std::vector<std::uint32_t> lcs((n + 1) * (m + 1), 0);
        const auto at = [&](std::size_t i, std::size_t j) -> std::uint32_t& { return lcs[i * (m + 1) + j]; };
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = m; j-- > 0;) {
                at(i, j) = a[prefix + i] == b[prefix + j] ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
            }
        }
        std::size_t i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[prefix + i] == b[prefix + j]) {
                ops.push_back({' ', prefix + i++, prefix + j++});
            } else if (i < n && (j >= m || at(i + 1, j) >= at(i, j + 1))) {
                ops.push_back({'-', prefix + i++, prefix + j});
            } else {
                ops.push_back({'+', prefix + i, prefix + j++});
            }
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) ops.push_back({'-', prefix + i, prefix + m});
        for (std::size_t j = 0; j < m; ++j) ops.push_back({'+', prefix + n, prefix + j});
    }
    for (std::size_t k = 0; k < suffix; ++k) ops.push_back({' ', prefix + n + k, prefix + m + k});

    std::string out = "--- " + beforeName + "\n+++ " + afterName + "\n";
    constexpr std::size_t kContext = 3;
    std::size_t k = 0;
    while (k < ops.size()) {
        while (k < ops.size() && ops[k].kind == ' ') ++k;
        if (k == ops.size()) break;
        std::size_t start = k >= kContext ? k - kContext : 0;
        // The hunk runs until more than twice the context of unchanged lines.
        std::size_t end = k, lastChange = k;
        while (end < ops.size()) {
            if (ops[end].kind != ' ') lastChange = end;
            else if (end - lastChange > 2 * kContext) break;
            ++end;
        }
        end = std::min(ops.size(), lastChange + 1 + kContext);
        std::size_t countA = 0, countB = 0;
        for (std::size_t x = start; x < end; ++x) {
            if (ops[x].kind != '+') ++countA;
            if (ops[x].kind != '-') ++countB;
        }
        const std::size_t firstA = ops[start].ia + (countA ? 1 : 0), firstB = ops[start].ib + (countB ? 1 : 0);
        out += "@@ -" + std::to_string(firstA) + "," + std::to_string(countA) + " +" + std::to_string(firstB) +
               "," + std::to_string(countB) + " @@\n";
        for (std::size_t x = start; x < end; ++x) {
            const std::string& line = ops[x].kind == '+' ? b[ops[x].ib] : a[ops[x].ia];
            out += ops[x].kind;
            out += line;
            if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
        }
        k = end;
    }
    return out;
}

}  // namespace zentrava
