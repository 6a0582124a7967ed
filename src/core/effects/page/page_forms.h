// The page forms, one function per unit file, and the builders they share.
#pragma once

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl PageForm9();
FormDecl PageForm10();
FormDecl PageForm11();
FormDecl PageForm13();
FormDecl PageForm14();
FormDecl PageForm15();

// A message box shown from a handler that the page's body calls on `event`
// ("onload", "onunload"); the form's one edit holds the message.
FormDecl BodyEventMessageForm(const char* className, const char* unit, const char* edit, const char* event);

}  // namespace zentrava::forms
