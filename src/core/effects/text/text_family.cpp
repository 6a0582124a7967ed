#include "effects/text/text_family.h"

namespace zentrava::forms::text {

Rect InPanel(int left, int top, int width, int height) {
    return {layout::kPanelLeft + left, layout::kPanelTop + top, width, height};
}

FormDecl TextForm(std::string className, std::string unit) {
    return NewForm(std::move(className), std::move(unit), kPanelHeight);
}

ControlDecl TextEdit(std::string name, std::string label, std::string text, int row, int controlLeft, int width) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::Edit;
    c.label = std::move(label);
    c.text = std::move(text);
    c.rect = InPanel(controlLeft, row * kRowPitch, width, kEditHeight);
    c.labelLeft = kLabelLeft;
    return c;
}

ControlDecl ColorPanel(std::string name, std::string label, TColor color, int row, int controlLeft) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::Swatch;
    c.label = std::move(label);
    c.color = color;
    c.preset = false;
    // centred on the row's 19-pixel edit line
    c.rect = InPanel(controlLeft, row * kRowPitch + (kEditHeight - kColorHeight) / 2, kColorWidth, kColorHeight);
    c.labelLeft = kLabelLeft;
    return c;
}

std::vector<ListEntry> DefaultEntries() {
    return {{"Make your website colorful"}, {"No need to learn JavaScript"}, {"Zentrava is your tool."}};
}

ControlDecl EntryList(std::string name, Rect rect) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::ListBox;
    c.entries = DefaultEntries();
    c.rect = rect;
    return c;
}

std::vector<ControlDecl> ListButtons(const std::string& list, const std::string& edit, int left, int top) {
    ControlDecl add = Button("XP_Button2", "Add", ButtonAction::AddEntry, list,
                             {left, top, kButtonWidth, kButtonHeight});
    add.sources = {FieldSource{edit, ""}};
    return {
        add,
        Button("XP_Button4", "Remove", ButtonAction::RemoveEntry, list,
               {left + 56, top, kButtonWidth, kButtonHeight}),
        Button("XP_Button3", "Clear", ButtonAction::ClearEntries, list,
               {left + 112, top, kButtonWidth, kButtonHeight}),
    };
}

FormDecl SingleTextForm(std::string className, std::string unit, std::string edit, int line, std::string prefix,
                        std::string suffix) {
    FormDecl f = TextForm(std::move(className), std::move(unit));
    f.controls = {TextEdit(edit, "Text:", kDefaultText, 0)};
    f.generate = [edit, line, prefix, suffix](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(line, prefix + v.Text(edit) + suffix);
    };
    return f;
}

}  // namespace zentrava::forms::text
