// Others: a link that makes a page the browser's home page.
#include "effects/forms.h"

namespace zentrava::forms {

FormDecl OtherForm2() {
    FormDecl f = NewForm("TOtherForm2", "other2", 61);
    f.controls = {
        Edit("FlatEdit51", "Text:", "Set as Homepage", 0),
        Edit("flatedit52", "URL:", kDefaultLink, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("");
        out.Add("");
        out.Add("<a href=# onClick=\"this.style.behavior='url(#default#homepage)';this.setHomePage");
        out.Add("('" + v.Text("flatedit52") + "');\">" + v.Text("FlatEdit51") + "</a>");
    };
    return f;
}

}  // namespace zentrava::forms
