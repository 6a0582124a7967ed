// Others: a link that adds a page to the browser's favourites.
#include "effects/forms.h"

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
    };
    return f;
}

}  // namespace zentrava::forms
