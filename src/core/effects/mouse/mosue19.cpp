// Mouse: a clock with hands and the date that follows the pointer.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm19() {
    FormDecl f = NewForm("TMouseForm19", "mosue19", 145);
    f.controls = {
        Swatch("Panel10", "Hour Hand:", colors::kBlack, 0),
        Swatch("Panel11", "Minute Hand:", colors::kBlack, 1),
        Swatch("Panel12", "Second Hand:", colors::kLime, 2),
        Swatch("Panel13", "Date Color:", colors::kBlue, 3),
        Swatch("Panel14", "Clock Color:", colors::kRed, 4),
    };
    for (ControlDecl& c : f.controls) c.labelLeft = layout::kPanelLeft;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "dCol=\"" + v.Hex("Panel13") + "\"");
        out.Put(5, "fCol=\"" + v.Hex("Panel14") + "\"");
        out.Put(6, "sCol=\"" + v.Hex("Panel12") + "\"");
        out.Put(7, "mCol=\"" + v.Hex("Panel11") + "\"");
        out.Put(8, "hCol=\"" + v.Hex("Panel10") + "\"");
    };
    return f;
}

}  // namespace zentrava::forms
