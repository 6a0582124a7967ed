// Menu: links that glide in from the side one after another.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm3() {
    static constexpr menu::EditorNames kNames{"FlatEdit9", "FlatEdit10", nullptr, "ListView3"};
    FormDecl f = menu::MenuForm("TMenuForm3", "menu3", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(
                "<p style=\"LEFT: 10000px! important; POSITION: relative! important\" dynamicanimation=\"zoomIn\">");
            out.Add(menu::Line({"<a href=\"", menu::Link(e), "\">", menu::Caption(e), "</a></p>"}));
        }
        out.Add("</td></tr></table></div>");
    };
    return f;
}

}  // namespace zentrava::forms
