// Menu: a side bar that slides out of the page edge, with headers between
// groups of links.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm4() {
    static constexpr menu::EditorNames kNames{"FlatEdit11", "FlatEdit12", nullptr, "ListView4"};
    FormDecl f = menu::MenuForm("TMenuForm4", "menu4", kNames, menu::BottomRow::Used);
    f.controls.push_back(menu::SeparatorButton(kNames, {{kNames.caption, {}}, {{}, menu::kHeaderLink}}));
    f.controls.push_back(menu::BottomEdit("FlatEdit13", "Title:", "Menu"));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(58, "barText=\"" + v.Text("FlatEdit13") + "\"");
        for (const ListEntry& e : v.Entries(kNames.list)) {
            if (menu::Link(e) == menu::kHeaderLink) {
                out.Add(menu::Line({"addHdr('", menu::Caption(e), "');"}));
            } else {
                out.Add(menu::Line({"addItem(\"", menu::Caption(e), "\", \"", menu::Link(e), "\", \"\");"}));
            }
        }
        out.Add(
            "document.write('<tr><td bgcolor=\"'+hdrBGColor+'\"><font size=\"0\" face=\"Arial\"> "
            "</font></td></TR></table>')");
        out.Add("if (IE) {document.write('</DIV>')}");
        out.Add("if (NS) {document.write('</LAYER>')}");
        out.Add("if ((IE||NS) && (menuIsStatic==\"yes\"&&staticMode)) {makeStatic(staticMode);}");
        out.Add("</script><script> window.onload=init  </script>");
    };
    return f;
}

}  // namespace zentrava::forms
