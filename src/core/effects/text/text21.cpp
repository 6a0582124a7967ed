// Text: letters that jump one after another, in a colour of the user's choice.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm21() {
    FormDecl f = text::TextForm("TTextForm21", "text21");
    f.controls = {
        text::TextEdit("FlatEdit79", "Text:", text::kDefaultText, 0),
        text::ColorPanel("Panel2", "Text Color:", colors::kRed, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(3, "message=\"" + v.Text("FlatEdit79") + "\"");
        out.Put(71, "<DIV id=jumpx style=\"COLOR: #" + v.Hex("Panel2") + "\"></DIV>");
    };
    return f;
}

}  // namespace zentrava::forms
