// Text: a text with a coloured drop shadow.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm9() {
    FormDecl f = text::TextForm("TTextForm9", "text9");
    f.controls = {
        text::TextEdit("FlatEdit60", "Text:", text::kDefaultText, 0, 80),
        text::ColorPanel("Panel26", "Text Color:", colors::kBlue, 1, 80),
        text::ColorPanel("Panel27", "Shadow Color:", colors::kRed, 2, 80),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, v.Text("FlatEdit60"));
        // the shadow colour goes in without a "#"
        out.Put(3, "style=\"COLOR: #" + v.Hex("Panel26") + "; FILTER: dropshadow(color=" + v.Hex("Panel27") +
                       ", offx=3, offy=3, positive=1); FONT-FAMILY: Arial; FONT-SIZE: 15pt; POSITION: relative; "
                       "WIDTH: 350px\">");
    };
    return f;
}

}  // namespace zentrava::forms
