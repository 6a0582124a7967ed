// Mouse: an effect around the pointer whose speed is set.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm3() {
    FormDecl f = NewForm("TMouseForm3", "mouse3", 33);
    f.controls = {SpinEdit("sSpinEdit1", "Speed:", "20", 0)};
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(4, "var speed=" + v.Text("sSpinEdit1") + ",divTop=0,divLeft=0,angle=0,ypos=0,xpos=0,amount=13;");
    };
    return f;
}

}  // namespace zentrava::forms
