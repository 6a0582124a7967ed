// Menu: a titled menu that opens its links in numbered slots of the script.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm10() {
    static constexpr menu::EditorNames kNames{"FlatEdit53", "FlatEdit54", nullptr, "ListView10"};
    FormDecl f = menu::MenuForm("TMenuForm10", "menu10", kNames, menu::BottomRow::Used);
    f.controls.push_back(menu::BottomEdit("FlatEdit55", "Titile:", "Menu"));
    // The script's last 100 lines, from line 38 on, are its slots.
    for (ControlDecl& c : f.controls)
        if (c.name == kNames.list) c.capacity = 100;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        long long i = 0;
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Put(38 + i, menu::Line({"selection[", std::to_string(i), "]='<font face=\"MS sans arial\"><a href=\"",
                                        menu::Link(e), "\">", menu::Caption(e), "</a></font><br>'"}));
            ++i;
        }
        out.Add("</tr></table>");
        out.Put(27, v.Text("FlatEdit55"));
    };
    return f;
}

}  // namespace zentrava::forms
