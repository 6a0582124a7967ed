// The framework's own forms: the bare effect form, the parameterless form
// and the welcome form.
#include "effects/forms.h"
#include "effects/params.h"

namespace zentrava::forms {

FormDecl MDIChild() {
    FormDecl f;
    f.className = "TMDIChild";
    f.unit = "CHILDWIN";
    return f;  // a title bar and nothing else: no controls, no Generate
}

FormDecl NoParamForm() {
    FormDecl f;
    f.className = "TNoParamForm";
    f.unit = "noParam";
    f.panel = {8, 40, 489, 41};
    ControlDecl note = Label("Label1", "No Parameters to be set. Use it directly.", {16, 40, 473, 17});
    note.fontFamily = "宋体";
    note.fontSize = 10;
    f.controls.push_back(note);
    // The script file is shown as it stands, apart from its header.
    f.generate = [](const FormValues&, ScriptWriter& out) { out.Load(); };
    return f;
}

// The generic form as registered: an entry of it gets its controls from its
// script file's parameter block (FormForEntry); without one it shows the file
// as it stands.
FormDecl ParamFormClass() { return ParamForm(ParamBlock{}); }

std::vector<FormDecl> FrameworkForms() { return {NoParamForm(), MDIChild(), WelcomeForm(), ParamFormClass()}; }

FormDecl WelcomeForm() {
    FormDecl f;
    f.className = "TwelcomeForm";
    f.unit = "welcome";
    f.style = FormStyle::Welcome;
    return f;
}

}  // namespace zentrava::forms
