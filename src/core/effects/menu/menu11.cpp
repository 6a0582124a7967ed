// Menu: links that take turns in one place, filled into numbered slots.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm11() {
    static constexpr menu::EditorNames kNames{"FlatEdit56", "FlatEdit57", nullptr, "ListView11"};
    FormDecl f = menu::MenuForm("TMenuForm11", "menu11", kNames, menu::BottomRow::None);
    // The script's last 100 lines, from line 44 on, are its slots.
    for (ControlDecl& c : f.controls)
        if (c.name == kNames.list) c.capacity = 100;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        long long i = 0;
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Put(44 + i, menu::Line({"news[", std::to_string(i), "]=\"<a href='", menu::Link(e), "'>",
                                        menu::Caption(e), "</a>\""}));
            ++i;
        }
    };
    return f;
}

}  // namespace zentrava::forms
