// Text: a text in one colour with a shine of another passing over it.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm3() {
    FormDecl f = text::TextForm("TTextForm3", "text3");
    f.controls = {
        text::TextEdit("FlatEdit29", "Text:", text::kDefaultText, 0),
        text::ColorPanel("Panel2", "Text Color:", colors::kBlue, 1),
        text::ColorPanel("Panel3", "Shine Color:", colors::kRed, 2),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "text = \"" + v.Text("FlatEdit29") + "\"");
        out.Put(5, "color1 = \"" + v.Hex("Panel2") + "\";");
        out.Put(6, "color2 = \"" + v.Hex("Panel3") + "\";");
    };
    return f;
}

}  // namespace zentrava::forms
