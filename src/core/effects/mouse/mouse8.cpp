// Mouse: a message trail with font, size and colour.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm8() {
    FormDecl f = NewForm("TMouseForm8", "mouse8", 153);
    f.controls = {
        Edit("FlatEdit4", "Text:", "Zentrava", 0),
        Swatch("Panel19", "Color:", colors::kRed, 1),
        FontBox("FontComboBox1", "Font:", 2),
        SizeBox("ComboBox1", "Size:", "12", 3),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(7, "font-size:" + v.Text("ComboBox1") + "px;");
        out.Put(8, "font-family:" + v.Text("FontComboBox1") + ";");
        out.Put(9, "color: #" + v.Hex("Panel19") + ";");
        // The message always ends with a full stop, also when it has one.
        out.Put(16, "var message=\"" + v.Text("FlatEdit4") + ".\"");
    };
    return f;
}

}  // namespace zentrava::forms
