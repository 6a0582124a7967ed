// Menu: a bar of links in one table row.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm8() {
    static constexpr menu::EditorNames kNames{"FlatEdit23", "FlatEdit24", nullptr, "ListView8"};
    FormDecl f = menu::MenuForm("TMenuForm8", "menu8", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line({"<td > <a href=\"", menu::Link(e), "\">", menu::Caption(e), "</a></td>"}));
        }
        out.Add("</tr></table></span>");
    };
    return f;
}

}  // namespace zentrava::forms
