#include "effects/controls.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCollator>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QSet>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOption>

#include "output/system_colors.h"

namespace zentrava::desktop {

TextSpinBox::TextSpinBox(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(lineEdit(), &QLineEdit::textChanged, this, &TextSpinBox::textChanged);
}

void TextSpinBox::setText(const QString& text) { lineEdit()->setText(text); }

void TextSpinBox::stepBy(int steps) {
    bool ok = false;
    const qlonglong value = lineEdit()->text().trimmed().toLongLong(&ok);
    if (!ok) return;
    lineEdit()->setText(QString::number(value + steps));
    lineEdit()->selectAll();
}

// Typing is limited to digits, signs and the decimal separator; the text is
// otherwise kept as typed (empty, leading zeros, no range).
QValidator::State TextSpinBox::validate(QString& text, int&) const {
    const QString decimal = locale().decimalPoint();
    for (const QChar c : text) {
        if (c.isDigit() || c == u'+' || c == u'-' || decimal.contains(c)) continue;
        return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled TextSpinBox::stepEnabled() const { return StepUpEnabled | StepDownEnabled; }

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::setColorValue(TColor color) {
    const bool changed = color != color_;
    color_ = color;
    setToolTip(QString::fromStdString(ColorToHtml(color)));
    update();
    if (changed) Q_EMIT colorChanged();
}

QColor ColorSwatch::shownColor() const { return ToQColor(color_); }

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), shownColor());
    p.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Q_EMIT clicked();
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

namespace {

// A caption as assistive technology reads it: static text, named by its text
// (without the mnemonic's ampersand when it has one), the label of its buddy.
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(Caption* caption) : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (QString name = widget()->accessibleName(); !name.isEmpty()) return name;
        return static_cast<const Caption*>(widget())->readText();
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        QWidget* buddy = static_cast<const Caption*>(widget())->buddy();
        if (buddy && (match & QAccessible::Labelled)) {
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(buddy)) {
                found.append({iface, QAccessible::Labelled});
            }
        }
        return found;
    }
};

QAccessibleInterface* CaptionFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(Caption::staticMetaObject.className()) && object && object->isWidgetType()) {
        return new CaptionAccessible(static_cast<Caption*>(object));
    }
    return nullptr;
}

}  // namespace

Caption::Caption(Qt::Alignment alignment, QWidget* parent) : QWidget(parent), alignment_(alignment) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(CaptionFactory);
        return true;
    }();
    (void)factoryInstalled;
}

Caption::~Caption() {
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
}

void Caption::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    UpdateShortcut();
    updateGeometry();
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void Caption::setBuddy(QWidget* buddy) {
    buddy_ = buddy;
    UpdateShortcut();
    update();
}

// The mnemonic works, and shows, only with a buddy; otherwise an ampersand
// is just a character of the text.
void Caption::UpdateShortcut() {
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
    shortcutId_ = 0;
    if (buddy_ && text_.contains(u'&')) shortcutId_ = grabShortcut(QKeySequence::mnemonic(text_));
}

int Caption::TextFlags() const {
    int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment_));
    if (buddy_ && text_.contains(u'&')) {
        flags |= Qt::TextShowMnemonic;
        QStyleOption option;
        option.initFrom(this);
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) flags |= Qt::TextHideMnemonic;
    }
    return flags;
}

int Caption::textWidth() const {
    // A caption in Latin letters is as wide as its letters' advances: shaping
    // the line to measure it would do for every form that opens what its first
    // paint does again. Other scripts may take glyphs from a fallback font,
    // and are measured as drawn.
    const bool latin =
        std::all_of(text_.begin(), text_.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x250; });
    if (!latin) return fontMetrics().boundingRect(QRect(0, 0, 2000, 2000), TextFlags(), text_).width();
    const QFontMetricsF metrics(font(), this);
    qreal width = 0;
    for (const QChar c : readText()) width += metrics.horizontalAdvance(c);
    return static_cast<int>(std::ceil(width));
}

QString Caption::readText() const {
    if (!buddy_ || !text_.contains(u'&')) return text_;
    QString read;
    read.reserve(text_.size());
    for (qsizetype i = 0; i < text_.size(); ++i) {
        if (text_[i] == u'&' && i + 1 < text_.size()) ++i;
        read += text_[i];
    }
    return read;
}

QSize Caption::sizeHint() const { return {textWidth(), fontMetrics().height()}; }

bool Caption::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == shortcutId_ && buddy_) {
            if (buddy_->focusPolicy() != Qt::NoFocus) buddy_->setFocus(Qt::ShortcutFocusReason);
            auto* button = qobject_cast<QAbstractButton*>(buddy_.data());
            if (button && !shortcut->isAmbiguous()) {
                button->animateClick();
            } else {
                window()->setAttribute(Qt::WA_KeyboardFocusChange);
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void Caption::paintEvent(QPaintEvent*) {
    if (text_.isEmpty()) return;
    QPainter p(this);
    style()->drawItemText(&p, contentsRect(), TextFlags(), palette(), isEnabled(), text_, foregroundRole());
}

QStringList CssFamilyNames(const QStringList& families) {
    QStringList names;
    QSet<QString> seen;
    for (QString family : families) {
        // "Family [Foundry]": the foundry is no part of the name.
        if (family.endsWith(QLatin1Char(']'))) {
            const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
            if (open > 0) family.truncate(open);
        }
        family = family.trimmed();
        if (family.isEmpty() || seen.contains(family.toCaseFolded())) continue;
        seen.insert(family.toCaseFolded());
        names << family;
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    return names;
}

const QStringList& InstalledFontFamilies() {
    static const QStringList families = [] {
        QStringList all;
        for (const QString& family : QFontDatabase::families()) {
            if (!QFontDatabase::isPrivateFamily(family)) all << family;
        }
        return CssFamilyNames(all);
    }();
    return families;
}

}  // namespace zentrava::desktop
