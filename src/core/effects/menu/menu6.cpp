// Menu: links whose description shows in a box beside the pointer.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm6() {
    static constexpr menu::EditorNames kNames{"FlatEdit19", "FlatEdit18", "FlatEdit17", "ListView6"};
    FormDecl f = menu::MenuForm("TMenuForm6", "menu6", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line({"<a HREF=\"", menu::Link(e), "\" onMouseOver=\"drc('", menu::Description(e), "','",
                                menu::Caption(e), "'); return true;\"onMouseOut=\"nd(); return true;\">",
                                menu::Caption(e), "</a><br>"}));
        }
    };
    return f;
}

}  // namespace zentrava::forms
