// The controls of the widget set that the effect forms are drawn with, as
// far as Qt lacks them.
#pragma once

#include <QAbstractSpinBox>
#include <QFrame>
#include <QStringList>

#include "output/color.h"

namespace zentrava::desktop {

// A spin edit whose text is kept exactly as typed (the generators take it as
// it stands); its arrows step a whole number and leave other text alone.
class TextSpinBox : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TextSpinBox(QWidget* parent = nullptr);

    void setText(const QString& text);
    void stepBy(int steps) override;

Q_SIGNALS:
    void textChanged(const QString& text);  // typed, stepped or set

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;
};

// A colour swatch: a panel whose background colour is a parameter. It holds
// the colour value itself (a system colour stays a system colour until the
// user picks another), shows it, and reports clicks.
class ColorSwatch : public QFrame {
    Q_OBJECT
    Q_PROPERTY(int colorValue READ colorValue WRITE setColorValue)
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    TColor colorValue() const { return color_; }
    void setColorValue(TColor color);
    QColor shownColor() const;

Q_SIGNALS:
    void clicked();
    void colorChanged();  // a new colour value, set or chosen

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TColor color_ = 0;
};

// Font family names as style sheets know them, each once and sorted: the
// font database's "C059 [urw]" (a family that several foundries make) is
// "C059" to a browser.
QStringList CssFamilyNames(const QStringList& families);
// The installed font families in that form (read once).
const QStringList& InstalledFontFamilies();

}  // namespace zentrava::desktop
