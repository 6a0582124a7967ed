// Colours for the code window's views: HTML with its scripts and style
// sheets (tags, attributes, strings, comments, JavaScript keywords). Display
// only: the text is never touched.
//
// A page can hold 100,000 menu entries, so only the lines the view shows
// (and a margin round them) are coloured, also when the text is set or
// edited. Lines outside are given an unknown state and left plain; when they
// come into view, ShowLines() colours them, working out where the line
// starts (in a comment, a script, a style sheet) from the nearest line above
// whose state is known.
#pragma once

#include <vector>

#include <QSyntaxHighlighter>

namespace zentrava::desktop {

class CodeHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // What a piece of text is.
    enum Kind { kTag, kAttribute, kString, kComment, kKeyword, kKinds };
    struct Span {
        int start = 0;
        int length = 0;
        Kind kind = kTag;
    };
    // Where a line starts or ends.
    enum State { kHtml = 0, kHtmlComment, kInTag, kInScriptTag, kInStyleTag, kScript, kScriptComment, kStyle,
                 kStyleComment };

    explicit CodeHighlighter(QTextDocument* document);

    // Colours the lines `first` to `last` (from 0) that are not coloured yet,
    // and from now on colours edited lines only in that range.
    void ShowLines(int first, int last);

    // Reads one line that starts in `state`: its coloured pieces go to
    // `spans` (when given); returns the state the line ends in.
    static State Lex(const QString& line, State state, std::vector<Span>* spans);

protected:
    void highlightBlock(const QString& text) override;

private:
    // Takes the place of the base class's own answer to a change of the
    // text, which reads every line of a newly set page.
    void TextChanged(int from, int removed, int added);
    void Colour(const QTextBlock& block);
    // The state a line starts in, worked out from the lines above it.
    State StateBefore(const QTextBlock& block);

    QTextCharFormat formats_[kKinds];
    int first_ = 0;
    int last_ = 200;
    bool colouring_ = false;  // the base class is colouring (its format changes are no edits)
};

}  // namespace zentrava::desktop
