// Text: words that drop into place one after another.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm4() {
    FormDecl f = text::TextForm("TTextForm4", "text4");
    f.controls = {
        text::TextEdit("FlatEdit30", "Text:", text::kDefaultText, 0),
        // opens the colour dialog like every colour panel of the family
        text::ColorPanel("Panel24", "Text Color:", colors::kRed, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // the paragraph's text first, then its opening tag above it
        out.Put(260, v.Text("FlatEdit30") + "</p>");
        out.Put(259, "<p dynamicanimation8=\"dropWord\" style=\"position: relative !important;color:#" +
                         v.Hex("Panel24") + "; left: 10000 !important\">");
    };
    return f;
}

}  // namespace zentrava::forms
