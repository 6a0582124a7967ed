// The declaration of every form unit, one function per unit file.
#pragma once

#include "effects/form.h"

namespace zentrava::forms {

// Framework forms.
FormDecl NoParamForm();
FormDecl MDIChild();
FormDecl WelcomeForm();
FormDecl ParamFormClass();  // the generic form of effects that declare their parameters

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

// The forms of the other categories, each list in its registration order
// (effects/<category>/<category>_forms.cpp).
std::vector<FormDecl> ImageForms();  // TCommonImageForm, TImageForm1 to TImageForm13
std::vector<FormDecl> TimeForms();   // TTime7, TTimeForm8, TTimeForm18, TTimeForm20
std::vector<FormDecl> PageForms();   // TPageForm9 to TPageForm15
std::vector<FormDecl> MenuForms();   // TMenuForm1 to TMenuForm13, TMenuForm17
std::vector<FormDecl> TextForms();   // TTextForm1 to TTextForm25

// Link addresses the forms offer until the user types their own.
inline constexpr const char* kDefaultLink = "https://www.example.com/";

}  // namespace zentrava::forms
