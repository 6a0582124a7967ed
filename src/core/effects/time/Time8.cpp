// Time: a date and time display in one colour.
#include "effects/time/time_forms.h"

namespace zentrava::forms {

FormDecl TimeForm8() {
    FormDecl f = NewForm("TTimeForm8", "Time8", 33);
    f.controls = {Swatch("Panel2", "Color:", colors::kBlack, 0)};
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(9, "color:" + v.Hex("Panel2") + ";");
    };
    return f;
}

}  // namespace zentrava::forms
