// Mouse: a message that follows the pointer, with colour, font and size.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm6() {
    FormDecl f = NewForm("TMouseForm6", "mouse6", 193);
    f.controls = {
        Edit("FlatEdit3", "Text:", kDefaultLink, 0, 377),
        Swatch("Panel18", "Color:", colors::kRed, 1, /*preset=*/true),
        FontBox("FontComboBox1", "Font:", 2),
        SizeBox("ComboBox1", "Size:", "10", 3),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(3, "var message='" + v.Text("FlatEdit3") + "'");
        out.Put(4, "var messagecolor='" + v.Hex("Panel18") + "'");
        out.Put(17, "{document.write('<div id=\"text\"'+i+' style=\"position:absolute;top:0px;left:0px;font-family:" +
                        v.Text("FontComboBox1") + ";font-size:" + v.Text("ComboBox1") +
                        "px;color:'+messagecolor+'\">'+message+'</div>')}");
    };
    return f;
}

}  // namespace zentrava::forms
