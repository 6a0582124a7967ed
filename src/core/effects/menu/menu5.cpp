// Menu: a titled box of links that lights the link under the pointer.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm5() {
    static constexpr menu::EditorNames kNames{"FlatEdit14", "FlatEdit15", nullptr, "ListView5"};
    FormDecl f = menu::MenuForm("TMenuForm5", "menu5", kNames, menu::BottomRow::Used);
    f.controls.push_back(menu::BottomEdit("FlatEdit16", "Title:", "Menu"));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(52, "<tr style=\"font-size: 14px\"><td width=\"100%\" bgcolor=\"#E6E6E6\" height=\"13\"><b>" +
                        v.Text("FlatEdit16") + "</b></td></tr>");
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line({"<tr style=\"font-size: 14px\"><td width=\"100%\" class=\"menulines\"><a href=\"",
                                menu::Link(e), "\">", menu::Caption(e), "</a></td></tr>"}));
        }
        out.Add("</table>");
    };
    return f;
}

}  // namespace zentrava::forms
