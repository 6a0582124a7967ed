// The Image category: one picture row shared by every form, and the
// thirteen effect forms that build on it.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

// TCommonImageForm: the picture path and its Browse button, no Generate.
FormDecl CommonImageForm();

// An effect form: the common form under its own class and unit, with its generator.
FormDecl ImageEffectForm(const char* className, const char* unit, Generator generate);

// The picture path exactly as typed or browsed.
inline const std::string& PicturePath(const FormValues& v) { return v.Text("ImageEdit"); }

// The top and left margins below the picture row (the two positioned forms).
void AddMargins(FormDecl& form);
inline const std::string& TopMargin(const FormValues& v) { return v.Text("topedit"); }
inline const std::string& LeftMargin(const FormValues& v) { return v.Text("leftedit"); }

// A form that writes one picture line at one index.
FormDecl OnePictureLineForm(const char* className, const char* unit, int index, std::string before,
                            std::string after);

FormDecl ImageForm1();
FormDecl ImageForm2();
FormDecl ImageForm3();
FormDecl ImageForm4();
FormDecl ImageForm5();
FormDecl ImageForm6();
FormDecl ImageForm7();
FormDecl ImageForm8();
FormDecl ImageForm9();
FormDecl ImageForm10();
FormDecl ImageForm11();
FormDecl ImageForm12();
FormDecl ImageForm13();

}  // namespace zentrava::forms
