// Mouse: a custom cursor for the whole page.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

FormDecl MouseForm16() {
    FormDecl f = NewForm("TMouseForm16", "mouse16", 65);
    ControlDecl choose = Button("XP_Button2", "Choose...", ButtonAction::ChooseFile, "FlatEdit90",
                                {layout::kFieldLeft + 221, layout::Row(0), 65, 19});
    choose.filter = "静态鼠标(*.cur)|*.cur|动态鼠标(*.ani)|*.ani";
    f.controls = {
        Edit("FlatEdit90", "Cursor:", "Image/cur.ani", 0),
        choose,
        Label("Label1", "Note: please copy the cursor to directory which your pages locate.",
              {layout::kFieldLeft, layout::Row(1), 385, 17}),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("<!--将以下代码加入HTML的<Head></Head>之间-->");
        out.Add("");
        out.Add("<style type=\"text/css\">");
        out.Add("<!--");
        // Browsers drop a cursor rule without a fallback keyword, so one follows the picture.
        out.Add("body {CURSOR: url('" + v.Text("FlatEdit90") + "'), auto}");
        out.Add("--></style>");
    };
    return f;
}

}  // namespace zentrava::forms
