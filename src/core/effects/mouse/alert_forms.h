// The two alert-on-button forms share their lines but for the button tested.
#pragma once

#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl AlertOnButtonForm(const char* className, const char* unit, const char* edit, int button);

}  // namespace zentrava::forms
