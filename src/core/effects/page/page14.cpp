// Page: a list of text lines written into the page.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl PageForm14() {
    FormDecl f = NewForm("TPageForm14", "page14", 173);
    ControlDecl list;
    list.name = "FlatListBox4";
    list.kind = ControlKind::ListBox;
    list.entries = {{"Make your website colorful"}, {"No need to learn JavaScript"}, {"Zentrava is your tool."}};
    list.rect = {layout::kFieldLeft, layout::Row(1), 217, 117};
    const int buttonLeft = layout::kFieldLeft + 225;
    ControlDecl add = Button("XP_Button2", "Add", ButtonAction::AddEntry, "FlatListBox4",
                             {buttonLeft, layout::Row(0), 75, 21});
    add.sources = {{"FlatEdit87", ""}};
    f.controls = {
        Edit("FlatEdit87", "Text:", "", 0),
        add,
        list,
        Button("XP_Button4", "Remove", ButtonAction::RemoveEntry, "FlatListBox4", {buttonLeft, layout::Row(1), 75, 21}),
        Button("XP_Button3", "Clear", ButtonAction::ClearEntries, "FlatListBox4", {buttonLeft, layout::Row(2), 75, 21}),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // Every entry, however many; the script file opened the centred block.
        for (const ListEntry& entry : v.Entries("FlatListBox4")) out.Add((entry.empty() ? "" : entry.front()) + "<BR>");
        out.Add("</center></div>");
    };
    return f;
}

}  // namespace zentrava::forms
