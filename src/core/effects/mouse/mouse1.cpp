// Mouse: an alert when the left button is pressed, and the alert-form family
// it shares with the right-button form.
#include "effects/mouse/alert_forms.h"

#include <string>

namespace zentrava::forms {

FormDecl AlertOnButtonForm(const char* className, const char* unit, const char* edit, int button) {
    FormDecl f = NewForm(className, unit, 33);
    f.controls = {Edit(edit, "Text:", "Zentrava", 0)};
    const std::string name = edit;
    f.generate = [name, button](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("<!--Insert following codes between <Head></Head>-->");
        out.Add("");
        out.Add("<script language=\"javascript\">");
        out.Add("function click() {");
        out.Add("if (event.button==" + std::to_string(button) + ") {");
        out.Add("  alert('" + v.Text(name) + "')");
        out.Add("  }");
        out.Add("}");
        out.Add("document.onmousedown=click");
        out.Add("</script>");
        // The lines above name one global click and the one document.onmousedown,
        // which the next alert of this kind (or the page's own handler) replaces:
        // this alert's click goes on listening by itself.
        out.Add("<script>");
        out.Add("(function (own) {");
        out.Add("  if (document.onmousedown === own) document.onmousedown = null;");
        out.Add("  document.addEventListener('mousedown', function () { own(); });");
        out.Add("})(click);");
        out.Add("</script>");
    };
    return f;
}

// Current browsers number the left button 0 (the middle one is 1).
FormDecl MouseForm1() { return AlertOnButtonForm("TMouseForm1", "mouse1", "FlatEdit2", 0); }

}  // namespace zentrava::forms
