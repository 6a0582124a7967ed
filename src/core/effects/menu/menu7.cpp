// Menu: links with a tip that unfolds under the link.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm7() {
    static constexpr menu::EditorNames kNames{"FlatEdit22", "FlatEdit21", "FlatEdit20", "ListView7"};
    FormDecl f = menu::MenuForm("TMenuForm7", "menu7", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(
                menu::Line({"<A href=\"", menu::Link(e), "\" onmouseout=hidetip2() onmouseover=\"showtip2(this,event,'",
                            menu::Description(e), "')\" target=_blank>", menu::Caption(e), "</font></A><br>"}));
        }
    };
    return f;
}

}  // namespace zentrava::forms
