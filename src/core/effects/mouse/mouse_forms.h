// The mouse forms, one function per unit file.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl MouseForm1();
FormDecl MouseForm2();
FormDecl MouseForm3();
FormDecl MouseForm6();
FormDecl MouseForm8();
FormDecl MouseForm12();
FormDecl MouseForm16();
FormDecl MouseForm17();
FormDecl MouseForm18();  // unit mouse15
FormDecl MouseForm19();
FormDecl MouseForm21();

}  // namespace zentrava::forms
