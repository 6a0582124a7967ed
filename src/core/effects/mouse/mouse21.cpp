// Mouse: a message whose letters circle the pointer.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm21() {
    FormDecl f = NewForm("TMouseForm21", "mouse21", 57);
    f.controls = {
        Edit("FlatEdit109", "Text:", "Zentrava", 0),
        Swatch("Panel10", "Color:", colors::kBlack, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(27, "var message='" + v.Text("FlatEdit109") + "';");
        out.Put(28, "var messagecolor='" + v.Hex("Panel10") + "';");
    };
    return f;
}

}  // namespace zentrava::forms
