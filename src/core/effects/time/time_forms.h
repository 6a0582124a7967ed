// The time forms, one function per unit file.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl Time7();
FormDecl TimeForm8();
FormDecl TimeForm18();
FormDecl TimeForm20();

}  // namespace zentrava::forms
