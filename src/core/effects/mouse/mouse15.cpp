// Mouse: a clock that follows the pointer, with a colour for hours, minutes
// and seconds.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm18() {
    FormDecl f = NewForm("TMouseForm18", "mouse15", 89);
    f.controls = {
        Swatch("Panel5", "Hours Color:", colors::kRed, 0),
        Swatch("Panel6", "Minutes Color:", colors::kLime, 1),
        Swatch("Panel7", "Seconds Color:", colors::kMaroon, 2),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "sCol = '" + v.Hex("Panel7") + "'");
        out.Put(5, "mCol = '" + v.Hex("Panel6") + "'");
        out.Put(6, "hCol = '" + v.Hex("Panel5") + "'");
    };
    return f;
}

}  // namespace zentrava::forms
