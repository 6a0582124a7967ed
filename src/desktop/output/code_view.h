// The code window's script and page views: plain text, coloured as HTML with
// its scripts and style sheets, with line numbers in a margin, and a find
// line (Ctrl+F, F3 for the next place, Shift+F3 for the one before, Escape
// closes it). The text is the views' own; nothing here changes it.
#pragma once

#include <QPlainTextEdit>

class QLineEdit;

namespace zentrava::desktop {

class CodeHighlighter;

class CodeView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CodeView(QWidget* parent = nullptr);

    CodeHighlighter* Highlighter() const { return highlighter_; }
    QWidget* LineNumbers() const { return numbers_; }
    // The find line (made at its first use).
    QLineEdit* FindLine();
    int LineNumberWidth() const;

    // Opens the find line with the selection (if one line) as its text.
    void OpenFind();
    // Selects the next (or previous) place of the find line's text, from the
    // cursor round the end; false when the text is nowhere.
    bool FindNext(bool backwards = false);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintLineNumbers(QPaintEvent* event);
    void UpdateMargins();
    void PlaceFindLine();
    void ShowVisibleLines();

    CodeHighlighter* highlighter_ = nullptr;
    QWidget* numbers_ = nullptr;
    QLineEdit* find_ = nullptr;
    int digits_ = 0;
};

}  // namespace zentrava::desktop
