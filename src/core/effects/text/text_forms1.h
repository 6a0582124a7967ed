// The text forms TTextForm1 to TTextForm12, one function per unit file.
#pragma once

#include <vector>

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl TextForm1();
FormDecl TextForm2();
FormDecl TextForm3();
FormDecl TextForm4();
FormDecl TextForm5();
FormDecl TextForm6();
FormDecl TextForm7();
FormDecl TextForm8();
FormDecl TextForm9();
FormDecl TextForm10();
FormDecl TextForm11();
FormDecl TextForm12();

// TTextForm13 to TTextForm25, in their registration order.
std::vector<FormDecl> TextForms13To25();

}  // namespace zentrava::forms
