// Menu: a context menu of links in place of the browser's own.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm2() {
    static constexpr menu::EditorNames kNames{"FlatEdit7", "FlatEdit8", nullptr, "ListView2"};
    FormDecl f = menu::MenuForm("TMenuForm2", "menu2", kNames, menu::BottomRow::None, {{"Caption", 100}, {"Link", 200}},
                                /*editable=*/true);
    f.controls.push_back(menu::SeparatorButton(kNames, {{{}, menu::kSeparatorCaption}, {{}, "<Hr>"}}));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        for (const ListEntry& e : v.Entries(kNames.list)) {
            if (menu::Caption(e) == menu::kSeparatorCaption) {
                out.Add("<hr>");
            } else {
                out.Add(
                    menu::Line({"<div class=\"menuitems\" url=\"", menu::Link(e), "#\">", menu::Caption(e), "</div>"}));
            }
        }
        out.Add("</div>");
        out.Add("<script language=\"JavaScript1.2\">");
        out.Add("if (document.all && window.print) {");
        out.Add("ie5menu.className = menuskin;");
        out.Add("document.oncontextmenu = showmenuie5;");
        out.Add("document.body.onclick = hidemenuie5;}");
        out.Add("</script>");
    };
    return f;
}

}  // namespace zentrava::forms
