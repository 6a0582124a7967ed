// Text: a neon sign whose letters light up in turn.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm6() {
    FormDecl f = text::TextForm("TTextForm6", "text6");
    f.controls = {
        text::TextEdit("FlatEdit45", "Text:", text::kDefaultText, 0),
        // both panels open the colour dialog like every colour panel of the family
        text::ColorPanel("Panel2", "Text Color:", colors::kBlue, 1),
        text::ColorPanel("Panel3", "Shine Color:", colors::kRed, 2),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "var message=\"" + v.Text("FlatEdit45") + "\"");
        out.Put(5, "var neonbasecolor=\"" + v.Hex("Panel2") + "\"");
        out.Put(6, "var neontextcolor=\"" + v.Hex("Panel3") + "\"");
    };
    return f;
}

}  // namespace zentrava::forms
