// The font the windows and the effect forms are drawn in.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace zentrava::desktop {

// The room a caption needs in its box beyond its text.
inline constexpr int kLabelMargin = 4;   // a label: beside its text
inline constexpr int kButtonMargin = 6;  // a button: on each side of its caption

// The caption shown for a text with '&' mnemonics ("&Generate" shows "Generate").
QString ShownCaption(const QString& text);

// The windows and forms were laid out in pixels for the classic 8-point
// interface font, whose letters average 6 pixels across and whose lines are
// 13 pixels high at 96 dots per inch. They are drawn in the desktop's own
// font and size instead, with every position and size multiplied by one
// factor: how much wider (or taller, if that is more) the chosen font's
// letters are, measured the same way (the 52 letters' mean advance, the line
// height). Never below 1, so a small font keeps the classic pixels.
inline constexpr qreal kClassicCharWidth = 6.0;
inline constexpr qreal kClassicLineHeight = 13.0;
qreal InterfaceScaleFor(const QFont& font);

// The desktop's own font (family and size), chosen once, and its factor.
const QFont& InterfaceFont();
qreal InterfaceScale();
// Another interface font, for windows made from now on; `scale` 0 takes the
// font's own factor (tests use a fixed one).
void SetInterfaceFont(const QFont& font, qreal scale = 0);

// A classic pixel value at the interface scale. A rectangle's edges are
// scaled, not its size, so that boxes that touch still touch.
int Scaled(int classic);
QPoint Scaled(const QPoint& classic);
QSize Scaled(const QSize& classic);
QRect Scaled(const QRect& classic);

}  // namespace zentrava::desktop
