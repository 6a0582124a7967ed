// Menu: a drop-down table of links under a button, on a coloured background.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm1() {
    static constexpr menu::EditorNames kNames{"FlatEdit5", "FlatEdit6", nullptr, "ListView1"};
    FormDecl f = menu::MenuForm("TMenuForm1", "menu1", kNames, menu::BottomRow::Used);
    f.controls.push_back(menu::BottomSwatch("Panel2", colors::kSilver, /*preset=*/true, /*besideEdit=*/false));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Add("<table id=\"itemopen\" style=\"font: 9pt Arial; position: absolute;  background: " + v.Hex("Panel2") +
                "; display:none\">");
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line(
                {"<tr><td><a href=\"", menu::Link(e), "\" class=\"cc\" >", menu::Caption(e), "</a></td></tr>"}));
        }
        out.Add("</table>");
    };
    return f;
}

}  // namespace zentrava::forms
