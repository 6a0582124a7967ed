// Page: a message box when the page has loaded, and the message-box family it
// shares with the form for leaving the page.
#include <string>

#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl BodyEventMessageForm(const char* className, const char* unit, const char* edit, const char* event) {
    FormDecl f = NewForm(className, unit, 33);
    f.controls = {Edit(edit, "Content:", "Zentrava", 0)};
    const std::string name = edit;
    const std::string handler = event;
    f.generate = [name, handler](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        // The header asks the author to call the handler from the body tag.
        out.Add("<!-- 用<BODY  " + handler + "=showMSG()>替换原有的<body> -->");
        out.Add("");
        out.Add("<script>");
        out.Add("function showMSG(){");
        out.Add("alert('" + v.Text(name) + "')");
        out.Add("}");
        out.Add("</script>");
    };
    return f;
}

FormDecl PageForm9() { return BodyEventMessageForm("TPageForm9", "page9", "FlatEdit32", "onload"); }

}  // namespace zentrava::forms
