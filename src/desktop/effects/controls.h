// The controls of the widget set that the effect forms are drawn with, as
// far as Qt lacks them.
#pragma once

#include <QAbstractSpinBox>
#include <QFrame>
#include <QPointer>
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

// A one-line caption in plain text, drawn as a plain-text label draws it: a
// form's title, the captions of its controls and their unit words. With a
// buddy its mnemonic shows and moves the focus there. The forms show several
// of these at once, and all of them with every form that opens, so they do
// without the label's rich-text and layout machinery.
class Caption : public QWidget {
    Q_OBJECT
public:
    explicit Caption(Qt::Alignment alignment, QWidget* parent = nullptr);
    ~Caption() override;

    const QString& text() const { return text_; }
    void setText(const QString& text);
    // The text as it reads: with a buddy, without the mnemonic's ampersand.
    QString readText() const;
    Qt::Alignment alignment() const { return alignment_; }
    QWidget* buddy() const { return buddy_; }
    void setBuddy(QWidget* buddy);
    // The width the text takes in the caption's font.
    int textWidth() const;
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int TextFlags() const;
    void UpdateShortcut();

    QString text_;
    Qt::Alignment alignment_;
    QPointer<QWidget> buddy_;
    int shortcutId_ = 0;
};

// Font family names as style sheets know them, each once and sorted: the
// font database's "C059 [urw]" (a family that several foundries make) is
// "C059" to a browser.
QStringList CssFamilyNames(const QStringList& families);
// The installed font families in that form (read once).
const QStringList& InstalledFontFamilies();

}  // namespace zentrava::desktop
