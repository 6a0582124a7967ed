#include "output/code_view.h"

#include <algorithm>
#include <functional>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTimer>

#include "output/code_highlighter.h"

namespace zentrava::desktop {

namespace {

// The line-number margin: painted by its view.
class LineNumberMargin : public QWidget {
public:
    LineNumberMargin(CodeView* view, std::function<void(QPaintEvent*)> paint)
        : QWidget(view), paint_(std::move(paint)) {
        setObjectName(QStringLiteral("LineNumbers"));
    }

protected:
    void paintEvent(QPaintEvent* event) override { paint_(event); }

private:
    std::function<void(QPaintEvent*)> paint_;
};

}  // namespace

CodeView::CodeView(QWidget* parent) : QPlainTextEdit(parent) {
    highlighter_ = new CodeHighlighter(document());
    numbers_ = new LineNumberMargin(this, [this](QPaintEvent* event) { PaintLineNumbers(event); });
    connect(this, &QPlainTextEdit::blockCountChanged, this, &CodeView::UpdateMargins);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy) numbers_->scroll(0, dy);
        else numbers_->update(0, rect.y(), numbers_->width(), rect.height());
        ShowVisibleLines();
    });
    UpdateMargins();

    auto shortcut = [this](const QKeySequence& keys, auto action) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Find, [this] { OpenFind(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] {
        if (!find_ || find_->text().isEmpty()) OpenFind();
        else FindNext();
    });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { FindNext(true); });
}

int CodeView::LineNumberWidth() const {
    return fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits_, 3) + 8;
}

void CodeView::UpdateMargins() {
    int digits = 1;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10) ++digits;
    if (digits == digits_) return;
    digits_ = digits;
    setViewportMargins(LineNumberWidth(), 0, 0, 0);
    const QRect r = contentsRect();
    numbers_->setGeometry(r.left(), r.top(), LineNumberWidth(), r.height());
}

void CodeView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    numbers_->setGeometry(r.left(), r.top(), LineNumberWidth(), r.height());
    PlaceFindLine();
    ShowVisibleLines();
}

void CodeView::ShowVisibleLines() {
    const QTextBlock first = firstVisibleBlock();
    if (!first.isValid()) return;
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    const int shown = viewport()->height() / lineHeight + 1;
    // A screen above and below as well, so that scrolling finds them coloured.
    highlighter_->ShowLines(std::max(0, first.blockNumber() - shown), first.blockNumber() + 2 * shown);
}

void CodeView::PaintLineNumbers(QPaintEvent* event) {
    QPainter p(numbers_);
    p.fillRect(event->rect(), QColor(0xF4, 0xF4, 0xF4));
    p.setPen(QColor(0x90, 0x90, 0x90));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int width = numbers_->width() - 4;
    const int height = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        if (block.isVisible() && bottom >= event->rect().top()) {
            p.drawText(0, top, width, height, Qt::AlignRight, QString::number(block.blockNumber() + 1));
        }
        block = block.next();
        top = bottom;
    }
}

void CodeView::PlaceFindLine() {
    if (!find_) return;
    const int width = std::min(viewport()->width() - 4, fontMetrics().horizontalAdvance(QLatin1Char('x')) * 28);
    const QRect v = viewport()->geometry();
    find_->setGeometry(v.right() - width - 1, v.top() + 2, width, find_->sizeHint().height());
}

QLineEdit* CodeView::FindLine() {
    // Made at its first use: two views in a window made at start-up.
    if (find_) return find_;
    find_ = new QLineEdit(this);
    find_->setObjectName(QStringLiteral("FindLine"));
    find_->setPlaceholderText(tr("Find"));
    find_->setAccessibleName(tr("Find in the code"));
    find_->setClearButtonEnabled(true);
    find_->hide();
    find_->installEventFilter(this);
    connect(find_, &QLineEdit::returnPressed, this, [this] { FindNext(); });
    connect(find_, &QLineEdit::textEdited, this, [this] {
        // As you type: from the start of the current find, not past it.
        QTextCursor cursor = textCursor();
        cursor.setPosition(cursor.selectionStart());
        setTextCursor(cursor);
        FindNext();
    });

    return find_;
}

void CodeView::OpenFind() {
    FindLine();
    const QString selected = textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator)) find_->setText(selected);
    PlaceFindLine();
    find_->show();
    find_->raise();
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
}

bool CodeView::FindNext(bool backwards) {
    const QString text = find_ ? find_->text() : QString();
    if (text.isEmpty()) return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = document()->find(text, textCursor(), flags);
    if (found.isNull()) {  // round the end
        QTextCursor from(document());
        if (backwards) from.movePosition(QTextCursor::End);
        found = document()->find(text, from, flags);
    }
    QPalette pal = find_->palette();
    pal.setColor(QPalette::Base, found.isNull() ? QColor(0xFF, 0xE0, 0xE0) : QColor(Qt::white));
    find_->setPalette(pal);
    if (found.isNull()) return false;
    setTextCursor(found);
    centerCursor();
    return true;
}

bool CodeView::eventFilter(QObject* watched, QEvent* event) {
    // Escape belongs to the find line while it has the focus (not to a
    // shortcut of the window).
    if (watched == find_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (watched == find_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            find_->hide();
            setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key->key() == Qt::Key_F3) {
            FindNext(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

}  // namespace zentrava::desktop
