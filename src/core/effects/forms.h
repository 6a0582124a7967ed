// The framework's own forms and the list of forms of every category.
#pragma once

#include <vector>

#include "effects/form.h"

namespace zentrava::forms {

// Framework forms.
FormDecl NoParamForm();
FormDecl MDIChild();
FormDecl WelcomeForm();
FormDecl ParamFormClass();  // the generic form of effects that declare their parameters

// Every category's forms, each list in its registration order. A category
// keeps its forms in effects/<category>/: one file per form, the header
// <category>_forms.h that declares them, and <category>_forms.cpp with the
// list below. A new form goes into its category's header and list; a new
// category adds its list here and in the registry.
std::vector<FormDecl> FrameworkForms();  // TNoParamForm, TMDIChild, TwelcomeForm, TParamForm (effects/noparam.cpp)
std::vector<FormDecl> ImageForms();      // TCommonImageForm, TImageForm1 to TImageForm13
std::vector<FormDecl> OtherForms();      // TOtherForm1, TOtherForm2
std::vector<FormDecl> TimeForms();       // TTime7, TTimeForm8, TTimeForm18, TTimeForm20
std::vector<FormDecl> PageForms();       // TPageForm9 to TPageForm15
std::vector<FormDecl> MouseForms();      // TMouseForm1 to TMouseForm21
std::vector<FormDecl> MenuForms();       // TMenuForm1 to TMenuForm13, TMenuForm17
std::vector<FormDecl> TextForms();       // TTextForm1 to TTextForm25

// Link addresses the forms offer until the user types their own.
inline constexpr const char* kDefaultLink = "https://www.example.com/";

}  // namespace zentrava::forms
