// Menu: a row of buttons that rise under the pointer and sink when pressed.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm9() {
    static constexpr menu::EditorNames kNames{"FlatEdit26", "FlatEdit25", nullptr, "ListView9"};
    FormDecl f = menu::MenuForm("TMenuForm9", "menu9", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line(
                {"<td class=button2 onMouseOut=\"this.className='button2'\" onMouseOver=\"this.className='button1'\" "
                 "onMouseDown=\"this.className='button3'\" onMouseUp=\"this.className='button1'\" align=\"center\" "
                 "valign=\"middle\"><a href=\"",
                 menu::Link(e), "\">", menu::Caption(e), "</a></td>"}));
        }
        out.Add("</tr></table>");
    };
    return f;
}

}  // namespace zentrava::forms
