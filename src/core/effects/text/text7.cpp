// Text: a text in a font tag of the chosen colour.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm7() {
    FormDecl f = text::TextForm("TTextForm7", "text7");
    f.controls = {
        text::TextEdit("FlatEdit59", "Text:", text::kDefaultText, 0),
        text::ColorPanel("Panel25", "Text Color:", colors::kBlack, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(29, v.Text("FlatEdit59"));
        out.Put(28, "color=#" + v.Hex("Panel25") + ">");
    };
    return f;
}

}  // namespace zentrava::forms
