// Page: an effect placed and sized by four numbers, left, top, width and height.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl PageForm11() {
    FormDecl f = NewForm("TPageForm11", "Page11", 117);
    f.controls = {
        SpinEdit("sSpinEdit1", "Left margin:", "50", 0),
        SpinEdit("sSpinEdit2", "Top margin", "10", 1),
        SpinEdit("sSpinEdit3", "Width:", "5", 2),
        SpinEdit("sSpinEdit4", "Height:", "3", 3),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(5, "var left=" + v.Text("sSpinEdit1") + ";");
        out.Put(6, "var top=" + v.Text("sSpinEdit2") + ";");
        out.Put(7, "var width=" + v.Text("sSpinEdit3") + ";");
        out.Put(8, "var height=" + v.Text("sSpinEdit4") + ";");
    };
    return f;
}

}  // namespace zentrava::forms
