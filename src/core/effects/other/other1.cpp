// Others: a link that adds a page to the browser's favourites.
#include "effects/other/other_forms.h"

namespace zentrava::forms {

FormDecl OtherForm1() {
    FormDecl f = NewForm("TOtherForm1", "other1", 89);
    f.controls = {
        Edit("FlatEdit48", "Text:", "Zentrava", 0),
        Edit("FlatEdit49", "URL:", kDefaultLink, 1),
        Edit("FlatEdit50", "Title:", "", 2),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("");
        out.Add("");
        out.Add("<script language=\"JavaScript\">");
        out.Add("function bookmarkit(){window.external.addFavorite('" + v.Text("FlatEdit49") + "','" +
                v.Text("FlatEdit50") + "')}");
        out.Add("if (document.all)document.write('<a href=\"#\" onClick=\"bookmarkit()\">" + v.Text("FlatEdit48") +
                "</a>')");
        out.Add("</script>");
        // Current browsers offer no way for a page to add a favourite and lack
        // document.all, so the link above is never written: this one tells the
        // shortcut instead.
        out.Add("<script type=\"text/javascript\">");
        out.Add("(function () {  // a link that tells how to bookmark the page where it cannot add the favourite itself");
        out.Add("  if (document.all) return;");
        out.Add("  var here = document.currentScript, box = document.createElement('span');");
        out.Add("  var link = document.createElement('a'), note = document.createElement('span');");
        out.Add("  link.href = '" + v.Text("FlatEdit49") + "';");
        out.Add("  link.title = '" + v.Text("FlatEdit50") + "';");
        out.Add("  link.innerHTML = '" + v.Text("FlatEdit48") + "';");
        out.Add("  note.setAttribute('role', 'status');");
        out.Add("  note.style.marginLeft = '0.5em';");
        out.Add("  box.appendChild(link);");
        out.Add("  box.appendChild(note);");
        out.Add("  here.parentNode.insertBefore(box, here);");
        out.Add("  var mac = /Mac|iPhone|iPad/.test(navigator.platform || navigator.userAgent);");
        out.Add("  link.addEventListener('click', function (e) {");
        out.Add("    e.preventDefault();");
        out.Add("    note.textContent = 'Press ' + (mac ? '\u2318D' : 'Ctrl+D') +");
        out.Add("      ' to bookmark this page, or drag the link to your bookmarks bar.';");
        out.Add("  });");
        out.Add("  link.addEventListener('keydown', function (e) {");
        out.Add("    if (e.key == ' ') { e.preventDefault(); link.click(); }");
        out.Add("    if (e.key == 'Escape') note.textContent = '';");
        out.Add("  });");
        out.Add("})();");
        out.Add("</script>");
    };
    return f;
}

}  // namespace zentrava::forms
