// The menu forms, one function per unit file.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl MenuForm1();
FormDecl MenuForm2();
FormDecl MenuForm3();
FormDecl MenuForm4();
FormDecl MenuForm5();
FormDecl MenuForm6();
FormDecl MenuForm7();
FormDecl MenuForm8();
FormDecl MenuForm9();
FormDecl MenuForm10();
FormDecl MenuForm11();
FormDecl MenuForm12();
FormDecl MenuForm13();
FormDecl MenuForm17();

}  // namespace zentrava::forms
