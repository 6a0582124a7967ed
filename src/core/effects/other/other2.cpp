// Others: a link that makes a page the browser's home page.
#include "effects/other/other_forms.h"

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
        // Current browsers let no page set itself as the home page: the link
        // above gets the method its click handler calls, which explains how to
        // set the home page by hand, and stays on the page.
        out.Add("<span role=\"status\" hidden></span>");
        out.Add("<script type=\"text/javascript\">");
        out.Add("(function () {  // the link above explains how to set the home page where a page cannot set it");
        out.Add("  var note = document.currentScript.previousElementSibling, link = note && note.previousElementSibling;");
        out.Add("  if (!link || link.tagName != 'A' || typeof link.setHomePage == 'function') return;");
        out.Add("  note.style.marginLeft = '0.5em';");
        out.Add("  link.setHomePage = function (address) {");
        out.Add("    note.textContent = 'To make ' + address + ' your home page, open your browser\u2019s settings, ' +");
        out.Add("      'look for \u201cHome page\u201d or \u201cOn startup\u201d and enter that address.';");
        out.Add("    note.hidden = false;");
        out.Add("  };");
        out.Add("  link.addEventListener('click', function (e) { e.preventDefault(); });");
        out.Add("  link.addEventListener('keydown', function (e) {");
        out.Add("    if (e.key == ' ') { e.preventDefault(); link.click(); }");
        out.Add("    if (e.key == 'Escape') note.hidden = true;");
        out.Add("  });");
        out.Add("})();");
        out.Add("</script>");
    };
    return f;
}

}  // namespace zentrava::forms
