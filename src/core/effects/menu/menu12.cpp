// Menu: numbered buttons that move into a row, each opening its link.
#include "effects/menu/menu_editor.h"

namespace zentrava::forms {

FormDecl MenuForm12() {
    static constexpr menu::EditorNames kNames{"FlatEdit74", "FlatEdit73", nullptr, "ListView12"};
    FormDecl f = menu::MenuForm("TMenuForm12", "menu12", kNames, menu::BottomRow::None);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        const std::vector<ListEntry>& entries = v.Entries(kNames.list);
        // Line 86 collects one moveIt call per entry behind its own text. It
        // must exist once the first button block is added; the lines only
        // grow after that, so it is built here once and put back at the end.
        std::string moves;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string n = std::to_string(i);
            out.Add(menu::Line({"<div id=\"divButton", n, "\" class=\"clButtons\"><a href=\"", menu::Link(entries[i]),
                                "\" onmouseover=\"sbmover(", n, ")\" onmouseout=\"sbmout(", n,
                                ")\" onclick=\"changeListing(", n, "); return false\">", menu::Caption(entries[i]),
                                "</a></div>"}));
            if (i == 0) {
                moves = out.Get(86);
                moves.reserve(moves.size() + 32 * entries.size());  // about one call's length per entry
            }
            moves.append("oBut[").append(n).append("].moveIt(");
            moves.append(std::to_string(60 * static_cast<long long>(i) + 250)).append(",100);");
        }
        if (!entries.empty()) out.Put(86, std::move(moves));
        out.Put(30, "numItems = " + std::to_string(static_cast<long long>(entries.size()) - 1));
    };
    return f;
}

}  // namespace zentrava::forms
