#include "output/code_highlighter.h"

#include <QSet>
#include <QTextDocument>

namespace zentrava::desktop {

namespace {

// A block state with this bit set is known but its line is not coloured.
constexpr int kPlain = 0x100;
constexpr int kUnknown = -1;

bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

const QSet<QString>& Keywords() {
    static const QSet<QString> words = {
        QStringLiteral("var"),      QStringLiteral("let"),        QStringLiteral("const"),
        QStringLiteral("function"), QStringLiteral("return"),     QStringLiteral("if"),
        QStringLiteral("else"),     QStringLiteral("for"),        QStringLiteral("while"),
        QStringLiteral("do"),       QStringLiteral("switch"),     QStringLiteral("case"),
        QStringLiteral("default"),  QStringLiteral("break"),      QStringLiteral("continue"),
        QStringLiteral("new"),      QStringLiteral("delete"),     QStringLiteral("typeof"),
        QStringLiteral("instanceof"), QStringLiteral("in"),       QStringLiteral("of"),
        QStringLiteral("this"),     QStringLiteral("null"),       QStringLiteral("undefined"),
        QStringLiteral("true"),     QStringLiteral("false"),      QStringLiteral("try"),
        QStringLiteral("catch"),    QStringLiteral("finally"),    QStringLiteral("throw"),
        QStringLiteral("class"),    QStringLiteral("extends"),    QStringLiteral("void"),
        QStringLiteral("with"),     QStringLiteral("async"),      QStringLiteral("await"),
        QStringLiteral("yield"),    QStringLiteral("import"),     QStringLiteral("export"),
    };
    return words;
}

bool StartsWithAt(const QString& text, qsizetype at, QLatin1StringView word) {
    return text.size() - at >= word.size() && QStringView(text).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

}  // namespace

CodeHighlighter::CodeHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    // The base class would read every line of the text whenever it is set
    // (a whole page at each Generate); the changed lines are handled here.
    if (disconnect(document, SIGNAL(contentsChange(int,int,int)), this, SLOT(_q_reformatBlocks(int,int,int)))) {
        connect(document, &QTextDocument::contentsChange, this, &CodeHighlighter::TextChanged);
    }
    formats_[kTag].setForeground(QColor(0x00, 0x00, 0x99));
    formats_[kAttribute].setForeground(QColor(0x99, 0x33, 0x00));
    formats_[kString].setForeground(QColor(0x00, 0x77, 0x00));
    formats_[kComment].setForeground(QColor(0x70, 0x70, 0x70));
    formats_[kComment].setFontItalic(true);
    formats_[kKeyword].setForeground(QColor(0x00, 0x33, 0xAA));
    formats_[kKeyword].setFontWeight(QFont::Bold);
}

CodeHighlighter::State CodeHighlighter::Lex(const QString& line, State state, std::vector<Span>* spans) {
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto add = [spans](qsizetype start, qsizetype end, Kind kind) {
        if (spans && end > start) spans->push_back({static_cast<int>(start), static_cast<int>(end - start), kind});
    };
    // A quoted string from `i` (at its quote) to its closing quote or the line's end.
    auto string = [&] {
        const QChar quote = line[i];
        qsizetype j = i + 1;
        while (j < n && line[j] != quote) j += line[j] == u'\\' ? 2 : 1;
        j = std::min(j + 1, n);
        add(i, j, kString);
        i = j;
    };
    // Up to the end of a block comment ("*/" or "-->"); false at the line's end.
    auto comment = [&](QLatin1StringView end) {
        const qsizetype close = line.indexOf(end, i);
        const qsizetype stop = close < 0 ? n : close + end.size();
        add(i, stop, kComment);
        i = stop;
        return close >= 0;
    };
    while (i < n) {
        switch (state) {
            case kHtmlComment:
                state = comment(QLatin1StringView("-->")) ? kHtml : kHtmlComment;
                break;
            case kScriptComment:
                state = comment(QLatin1StringView("*/")) ? kScript : kScriptComment;
                break;
            case kStyleComment:
                state = comment(QLatin1StringView("*/")) ? kStyle : kStyleComment;
                break;
            case kHtml: {
                const qsizetype open = line.indexOf(u'<', i);
                if (open < 0) return state;
                i = open;
                if (StartsWithAt(line, i, QLatin1StringView("<!--"))) {
                    state = kHtmlComment;
                    break;
                }
                qsizetype j = i + 1;
                if (j < n && (line[j] == u'/' || line[j] == u'!')) ++j;
                const qsizetype nameStart = j;
                while (j < n && (IsNameChar(line[j]) || line[j] == u'-' || line[j] == u':')) ++j;
                if (j == nameStart) {  // a lone '<'
                    ++i;
                    break;
                }
                add(i, j, kTag);
                const bool closing = line[i + 1] == u'/';
                const QStringView name = QStringView(line).mid(nameStart, j - nameStart);
                i = j;
                if (!closing && name.compare(QLatin1StringView("script"), Qt::CaseInsensitive) == 0) state = kInScriptTag;
                else if (!closing && name.compare(QLatin1StringView("style"), Qt::CaseInsensitive) == 0) state = kInStyleTag;
                else state = kInTag;
                break;
            }
            case kInTag:
            case kInScriptTag:
            case kInStyleTag: {
                const QChar c = line[i];
                if (c == u'>') {
                    add(i, i + 1, kTag);
                    ++i;
                    state = state == kInScriptTag ? kScript : state == kInStyleTag ? kStyle : kHtml;
                } else if (c == u'/' && i + 1 < n && line[i + 1] == u'>') {
                    add(i, i + 2, kTag);
                    i += 2;
                    state = kHtml;
                } else if (c == u'"' || c == u'\'') {
                    string();
                } else if (c == u'=') {
                    // An unquoted value, up to a blank or the tag's end.
                    ++i;
                    while (i < n && line[i] == u' ') ++i;
                    if (i < n && line[i] != u'"' && line[i] != u'\'') {
                        qsizetype j = i;
                        while (j < n && !line[j].isSpace() && line[j] != u'>') ++j;
                        add(i, j, kString);
                        i = j;
                    }
                } else if (IsNameChar(c) || c == u'-' || c == u':') {
                    qsizetype j = i;
                    while (j < n && (IsNameChar(line[j]) || line[j] == u'-' || line[j] == u':')) ++j;
                    add(i, j, kAttribute);
                    i = j;
                } else {
                    ++i;
                }
                break;
            }
            case kScript:
            case kStyle: {
                const QChar c = line[i];
                const bool script = state == kScript;
                if (c == u'<' && StartsWithAt(line, i, script ? QLatin1StringView("</script") : QLatin1StringView("</style"))) {
                    state = kHtml;
                } else if (c == u'/' && i + 1 < n && line[i + 1] == u'*') {
                    state = script ? kScriptComment : kStyleComment;
                } else if (script && c == u'/' && i + 1 < n && line[i + 1] == u'/') {
                    add(i, n, kComment);
                    i = n;
                } else if (c == u'"' || c == u'\'' || (script && c == u'`')) {
                    string();
                } else if (script && (c.isLetter() || c == u'_' || c == u'$')) {
                    qsizetype j = i;
                    while (j < n && IsNameChar(line[j])) ++j;
                    if (Keywords().contains(line.mid(i, j - i))) add(i, j, kKeyword);
                    i = j;
                } else if (!script && (c.isLetter() || c == u'-')) {
                    // A property name: a word followed by ':' inside a rule.
                    qsizetype j = i;
                    while (j < n && (IsNameChar(line[j]) || line[j] == u'-')) ++j;
                    qsizetype k = j;
                    while (k < n && line[k] == u' ') ++k;
                    if (k < n && line[k] == u':' && line.lastIndexOf(u'{', i) >= line.lastIndexOf(u'}', i)) {
                        add(i, j, kAttribute);
                    }
                    i = j;
                } else if (c.isDigit()) {
                    qsizetype j = i;
                    while (j < n && IsNameChar(line[j])) ++j;  // 0x1F, 12px: one word
                    i = j;
                } else {
                    ++i;
                }
                break;
            }
        }
    }
    return state;
}

CodeHighlighter::State CodeHighlighter::StateBefore(const QTextBlock& block) {
    // Back to the nearest line whose end state is known, then forward
    // reading the lines in between (without colouring them); each keeps the
    // state it ends in, so that the next look needs to go back less far.
    QTextBlock known = block.previous();
    while (known.isValid() && known.userState() < 0) known = known.previous();
    State state = known.isValid() ? State(known.userState() & ~kPlain) : kHtml;
    for (QTextBlock b = known.isValid() ? known.next() : document()->firstBlock(); b.isValid() && b != block;
         b = b.next()) {
        state = Lex(b.text(), state, nullptr);
        b.setUserState(state | kPlain);
    }
    return state;
}

void CodeHighlighter::highlightBlock(const QString& text) {
    const QTextBlock block = currentBlock();
    const int number = block.blockNumber();
    const int stored = currentBlockState();
    const bool coloured = stored >= 0 && !(stored & kPlain);
    // A line out of sight that was never coloured stays plain and unread.
    if ((number < first_ || number > last_) && !coloured) {
        setCurrentBlockState(kUnknown);
        return;
    }
    const int previous = previousBlockState();
    const State start = number == 0 ? kHtml : previous >= 0 ? State(previous & ~kPlain) : StateBefore(block);
    std::vector<Span> spans;
    const State end = Lex(text, start, &spans);
    for (const Span& s : spans) setFormat(s.start, s.length, formats_[s.kind]);
    setCurrentBlockState(end);
}

void CodeHighlighter::Colour(const QTextBlock& block) {
    colouring_ = true;
    rehighlightBlock(block);  // and the lines after it whose start it changes
    colouring_ = false;
}

void CodeHighlighter::ShowLines(int first, int last) {
    first_ = first;
    last_ = last;
    if (!document()) return;
    for (QTextBlock b = document()->findBlockByNumber(first); b.isValid() && b.blockNumber() <= last; b = b.next()) {
        if (b.userState() < 0 || (b.userState() & kPlain)) Colour(b);
    }
}

void CodeHighlighter::TextChanged(int from, int, int added) {
    if (colouring_ || !document()) return;
    QTextBlock block = document()->findBlock(from);
    const QTextBlock last = document()->findBlock(from + added);
    int number = block.blockNumber();
    // Each changed line is coloured again where it is seen, and forgotten
    // elsewhere (a page just set has no states or colours to forget).
    for (; block.isValid(); block = block.next(), ++number) {
        if (number >= first_ && number <= last_) {
            Colour(block);
        } else {
            block.setUserState(kUnknown);
            if (!block.layout()->formats().isEmpty()) {
                block.layout()->clearFormats();
                colouring_ = true;
                document()->markContentsDirty(block.position(), block.length());
                colouring_ = false;
            }
        }
        if (block == last) break;
    }
    // Lines below whose start was known may now start elsewhere.
    if (block.isValid() && block.userState() == kUnknown) {
        for (QTextBlock b = block.next(); b.isValid() && b.userState() >= 0; b = b.next()) b.setUserState(kUnknown);
    }
}

}  // namespace zentrava::desktop
