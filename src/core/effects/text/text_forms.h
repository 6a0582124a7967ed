// The text forms TTextForm1 to TTextForm25, one function per unit file.
#pragma once

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
FormDecl TextForm13();
FormDecl TextForm14();
FormDecl TextForm15();
FormDecl TextForm16();
FormDecl TextForm17();
FormDecl TextForm18();
FormDecl TextForm19();
FormDecl TextForm20();
FormDecl TextForm21();
FormDecl TextForm22();
FormDecl TextForm23();
FormDecl TextForm24();
FormDecl TextForm25();

}  // namespace zentrava::forms
