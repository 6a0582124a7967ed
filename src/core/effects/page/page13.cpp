// Page: a popup box with a title and a description.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl PageForm13() {
    FormDecl f = NewForm("TPageForm13", "page13", 145);
    f.controls = {
        Edit("FlatEdit85", "Title:", "Zentrava", 0),
        Edit("FlatEdit86", "Description:", "This is a short description", 1),
        Swatch("Panel2", "Text Color:", colors::kBlack, 2, /*preset=*/true),
        Swatch("Panel3", "Title Background:", colors::kBlack, 3, /*preset=*/true),
        Swatch("Panel4", "Description Background:", colors::kOrange, 4, /*preset=*/true),
    };
    // The swatch labels are long: every field stands further right.
    for (ControlDecl& c : f.controls) c.rect.left += 56;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // The script file ends inside an open script block; this call closes it.
        out.Add("createPopup('box3','" + v.Text("FlatEdit85") + "' ,288, 90, 275, 155, true, '" + v.Hex("Panel4") +
                "' , '" + v.Hex("Panel3") + "' , '800000' , '" + v.Text("FlatEdit86") + "' , '" + v.Hex("Panel2") +
                "' , 9 , '宋体');</script>");
    };
    return f;
}

}  // namespace zentrava::forms
