#include "effects/controls.h"

#include <algorithm>

#include <QCollator>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QSet>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

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
