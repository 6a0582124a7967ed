// The captions and labels of the effect forms come from their declarations
// (plain C++ strings the translation tools cannot see) and are translated
// when a form is drawn, in the context "Form". form_texts.cpp lists them for
// lupdate; tests/desktop/form_texts_tool.cpp writes that list afresh from
// every registered form, and the desktop tests check that none is missing.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "effects/form.h"

namespace zentrava::desktop {

// The texts of one form that are shown translated: control labels, units,
// button and label captions, list column captions and file filter names
// (never default values, which go into the generated code).
std::vector<std::string> TranslatableTexts(const FormDecl& form);

// The texts listed for the translation tools.
std::span<const char* const> ListedFormTexts();

}  // namespace zentrava::desktop
