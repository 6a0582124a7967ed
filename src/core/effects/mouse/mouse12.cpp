// Mouse: a scrolling message box that follows the pointer.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm12() {
    FormDecl f = NewForm("TMouseForm12", "mouse12", 241);
    f.controls = {
        Edit("FlatEdit58", "Text:", "Zentrava", 0),
        FontBox("FontComboBox1", "Font:", 1),
        SizeBox("ComboBox1", "Size:", "12", 2),
        Swatch("Panel20", "FG Color:", colors::kYellow, 3),
        Swatch("Panel21", "BG Color:", colors::kBlue, 4),
        Swatch("Panel22", "Border Color:", colors::kOrange, 5),
        SpinEdit("sSpinEdit1", "Border Width:", "1", 6),
        SpinEdit("sSpinEdit2", "Area With:", "150", 7),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(3, "var scroller_msg='" + v.Text("FlatEdit58") + "'");
        // The font size goes in points here.
        out.Put(8, "document.write('<marquee id=\"curscroll\" style=\"position:absolute;width:" + v.Text("sSpinEdit2") +
                       "px;border:" + v.Text("sSpinEdit1") + "px solid #" + v.Hex("Panel22") +
                       ";font-size:" + v.Text("ComboBox1") + "pt;font-family:" + v.Text("FontComboBox1") +
                       ";color:#" + v.Hex("Panel20") + ";background-color:#" + v.Hex("Panel21") +
                       ";visibility:hidden\">'+scroller_msg+'</marquee>')");
    };
    return f;
}

}  // namespace zentrava::forms
