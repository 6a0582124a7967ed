// Text: a heading that glows.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm10() {
    FormDecl f = text::TextForm("TTextForm10", "text10");
    f.controls = {
        text::TextEdit("FlatEdit61", "Text:", text::kDefaultText, 0, 112),
        text::ColorPanel("Panel28", "Text Color:", colors::kRed, 1, 112),
        text::ColorPanel("Panel29", "Fluorescence Color:", colors::kBlack, 2, 112),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // neither colour has a "#" before it
        out.Put(3, "<h1>" + v.Text("FlatEdit61") + "</h1>");
        out.Put(2, "<span id=\"theText\" style=\"width:100%; color:" + v.Hex("Panel28") + ";\" >");
        out.Put(11, "var glowColor = '" + v.Hex("Panel29") + "';");
    };
    return f;
}

}  // namespace zentrava::forms
