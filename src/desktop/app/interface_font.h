// The font the windows and the effect forms are drawn in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QFont>
#include <QString>

#include "effects/form.h"

namespace zentrava::desktop {

// The room a caption needs in its box beyond its text.
inline constexpr int kLabelMargin = 4;   // a label: beside its text
inline constexpr int kButtonMargin = 6;  // a button: on each side of its caption

// The caption shown for a text with '&' mnemonics ("&Generate" shows "Generate").
QString ShownCaption(const QString& text);

// The largest size, 8 points at most and 6.5 at least, in half points, at
// which every caption and label of `forms` (their Generate buttons
// included) fits its box with the margins above in `base`'s family.
// Controls with a font of their own are left out: the size does not change them.
// `shown` gives a text as the form shows it (its translation, with the
// context "Form" for a declared text); English when left out.
using ShownText = std::function<QString(const char* context, const std::string& text)>;
qreal InterfacePointSize(const QFont& base, const std::vector<FormDecl>& forms, const ShownText& shown = {});

// The same in every interface language whose translation is there: the smallest.
qreal InterfacePointSizeInEveryLanguage(const QFont& base, const std::vector<FormDecl>& forms);

// The desktop's own font family at that size for every registered form (the
// forms' sizes were made for a narrower font than the desktop's), the same
// in every interface language. Chosen once.
const QFont& InterfaceFont();

}  // namespace zentrava::desktop
