// Menu: a one-line bar of links that slides out from behind its caption.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm13() {
    static constexpr menu::EditorNames kNames{"FlatEdit81", "FlatEdit82", nullptr, "ListView13"};
    FormDecl f = menu::MenuForm("TMenuForm13", "menu13", kNames, menu::BottomRow::Used);
    f.controls.push_back(menu::BottomEdit("FlatEdit83", "Caption:", "Menu"));
    f.controls.push_back(menu::BottomSwatch("Panel2", colors::kRed, /*preset=*/false, /*besideEdit=*/true));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Add(
            "<div style=\"font-family: Vardana; font-size: 13px; \" id=\"divMenu\" style=\"position: absolute; top: "
            "163; left: 40; width: 173; visibility: hidden; background-color: " +
            v.Hex("Panel2") + "; height: 15\"><nobr>");
        for (const ListEntry& e : v.Entries(kNames.list)) {
            out.Add(menu::Line({"<a href=\"", menu::Link(e), "\">", menu::Caption(e), "</a>-"}));
        }
        out.Add(
            "&nbsp; --&nbsp; <a style=\"background-color: yellow; text-decoration: none\" href=\"javascript://\" "
            "onclick=\"moveMenu()\">" +
            v.Text("FlatEdit83") + "</a></nobr></div>");
    };
    return f;
}

}  // namespace zentrava::forms
