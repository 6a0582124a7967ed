// System colours (negative colour values) resolved from the
// running toolkit's palette, and conversions between the engine's colour
// values and Qt's.
#pragma once

#include <QColor>

#include "output/color.h"

namespace zentrava::desktop {

// The palette colour that stands for a system colour index (Windows
// numbering: 5 window, 8 window text, 13 highlight, 15 button face, ...).
QColor SystemColor(int index);

// Installs SystemColor as the engine's resolver.
void InstallSystemColorResolver();

// A colour value (system colours resolved) as a QColor, and a QColor as a
// colour value (red in bits 0-7).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace zentrava::desktop
