// The declaration of every form unit, one function per unit file.
#pragma once

#include "effects/form.h"

namespace zentrava::forms {

// Framework forms.
FormDecl NoParamForm();
FormDecl MDIChild();
FormDecl WelcomeForm();

// Mouse.
FormDecl MouseForm1();
FormDecl MouseForm2();
FormDecl MouseForm3();
FormDecl MouseForm6();
FormDecl MouseForm8();
FormDecl MouseForm12();
FormDecl MouseForm16();
FormDecl MouseForm17();
FormDecl MouseForm18();
FormDecl MouseForm19();
FormDecl MouseForm21();

// Others.
FormDecl OtherForm1();
FormDecl OtherForm2();

// Link addresses the forms offer until the user types their own.
inline constexpr const char* kDefaultLink = "https://www.example.com/";

}  // namespace zentrava::forms
