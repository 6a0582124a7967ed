// Time: a clock face with a colour for the numbers and each hand.
#include "effects/time/time_forms.h"

namespace zentrava::forms {

FormDecl Time7() {
    FormDecl f = NewForm("TTime7", "TimeForm7", 117);
    f.controls = {
        Swatch("Panel2", "Number Color:", colors::kBlack, 0),
        Swatch("Panel3", "Hand Color:", colors::kBlack, 1),
        Swatch("Panel4", "Minute Color:", colors::kBlack, 2),
        Swatch("Panel5", "Second Color:", colors::kRed, 3),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "fCol = '" + v.Hex("Panel2") + "'");
        out.Put(5, "hCol = '" + v.Hex("Panel3") + "'");
        out.Put(6, "mCol = '" + v.Hex("Panel4") + "'");
        out.Put(7, "sCol = '" + v.Hex("Panel5") + "'");
    };
    return f;
}

}  // namespace zentrava::forms
