// Mouse: a pointer effect in one colour.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm17() {
    FormDecl f = NewForm("TMouseForm17", "mouse17", 33);
    f.controls = {Swatch("Panel19", "Color:", colors::kBlack, 0)};
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(10, "var defaultcolor=\"#" + v.Hex("Panel19") + "\"");
    };
    return f;
}

}  // namespace zentrava::forms
