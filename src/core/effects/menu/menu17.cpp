// Menu: links that each show their own text block under the pointer.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm17() {
    static constexpr menu::EditorNames kNames{"FlatEdit93", "FlatEdit94", "FlatEdit95", "ListView14"};
    FormDecl f = menu::MenuForm("TMenuForm17", "menu17", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        const std::vector<ListEntry>& entries = v.Entries(kNames.list);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string n = std::to_string(i);
            out.Add(menu::Line({"<a href=\"", menu::Link(entries[i]), "\" onMouseOver=Show(div", n,
                                ") onMouseOut=Hide(div", n, ") >", menu::Caption(entries[i]), "</a>"}));
            out.Add(menu::Line({"<div id=\"div", n, "\" class=\"article\">", menu::Description(entries[i]), "</div>"}));
        }
    };
    return f;
}

}  // namespace zentrava::forms
