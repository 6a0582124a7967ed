// The forms of the Others category, one function per unit file.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl OtherForm1();
FormDecl OtherForm2();

}  // namespace zentrava::forms
