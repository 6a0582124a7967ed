// Page: a message box when the page has loaded, and the message-box family it
// shares with the form for leaving the page.
#include <string>

#include "effects/page/page_forms.h"

namespace zentrava::forms {

namespace {
// The lines after the classic ones. They take this copy's message while its
// showMSG is still the page's, so that another message box keeps working
// beside it. A message for when the page has loaded also
// shows by itself once the page has loaded (exactly once) when the body's onload
// does not ask for it. Current browsers show no message box while a page is being
// left; there the browser's own leave-page question stands in for it.
void AddMessageKeeper(ScriptWriter& out, bool leaving) {
    out.Add("<script>");
    out.Add("(function () {");
    out.Add("  if (typeof showMSG !== 'function') return;");
    out.Add("  var text = '', alertNow = window.alert;");
    out.Add("  window.alert = function (t) { text = String(t); };");
    out.Add("  try { showMSG(); } finally { window.alert = alertNow; }");
    out.Add("  // every copy's showMSG asks all the message boxes of the page");
    out.Add("  showMSG = function () {");
    out.Add("    var e = window.event, type = e ? e.type : '';");
    out.Add("    if (type !== 'unload' && type !== 'pagehide') document.dispatchEvent(new Event('zentrava-showmsg'));");
    out.Add("  };");
    if (leaving) {
        // The browser asks only once the visitor has clicked or typed on the page
        // (a key such as Escape does not count): before that, asking only earns
        // a complaint in the console.
        out.Add("  function ask(e) {");
        out.Add("    if (navigator.userActivation && !navigator.userActivation.hasBeenActive) return;");
        out.Add("    e.preventDefault();");
        out.Add("    e.returnValue = text;");
        out.Add("    return text;");
        out.Add("  }");
        out.Add("  function armed() {");
        out.Add("    window.removeEventListener('pointerdown', armed, true);");
        out.Add("    window.removeEventListener('keydown', armed, true);");
        out.Add("    window.addEventListener('beforeunload', ask);");
        out.Add("  }");
        out.Add("  window.addEventListener('pointerdown', armed, true);");
        out.Add("  window.addEventListener('keydown', armed, true);");
    } else {
        out.Add("  var shown = false;");
        out.Add("  function show() { if (!shown) { shown = true; alert(text); } }");
        out.Add("  document.addEventListener('zentrava-showmsg', show);");
        out.Add("  window.addEventListener('load', function () { setTimeout(show, 0); });");
    }
    out.Add("})();");
    out.Add("</script>");
}
}  // namespace

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
        AddMessageKeeper(out, handler == "onunload");
    };
    return f;
}

FormDecl PageForm9() { return BodyEventMessageForm("TPageForm9", "page9", "FlatEdit32", "onload"); }

}  // namespace zentrava::forms
