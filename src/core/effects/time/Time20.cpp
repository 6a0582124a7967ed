// Time: a clock of lit and unlit segments.
#include "effects/time/time_forms.h"

namespace zentrava::forms {

FormDecl TimeForm20() {
    FormDecl f = NewForm("TTimeForm20", "Time20", 61);
    // The background is a panel's own colour: the system's button face,
    // resolved on the running system when the code is generated.
    f.controls = {
        Swatch("Panel8", "Background:", colors::kBtnFace, 0),
        Swatch("Panel9", "Foreground:", colors::kRed, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(8, "var oncolor=\"" + v.Hex("Panel9") + "\"");
        out.Put(9, "var offcolor=\"" + v.Hex("Panel8") + "\"");
    };
    return f;
}

}  // namespace zentrava::forms
