#include "effects/menu/menu_editor.h"

namespace zentrava::forms::menu {

namespace {

ControlDecl EditorEdit(const char* name, const char* label, std::string text, int row) {
    ControlDecl c = Edit(name, label, std::move(text), 0, kEditWidth);
    c.rect = {kEditLeft, RowTop(row), kEditWidth, 19};
    c.labelLeft = kPanelLeft;
    return c;
}

ControlDecl EditorButton(const char* name, const char* caption, ButtonAction action, const char* list, int left,
                         int row) {
    return Button(name, caption, action, list, {kPanelLeft + left, RowTop(row), 52, 19});
}

}  // namespace

std::string Line(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view p : pieces) size += p.size();
    std::string line;
    line.reserve(size);
    for (std::string_view p : pieces) line += p;
    return line;
}

FormDecl MenuForm(const char* className, const char* unit, const EditorNames& names, BottomRow bottom,
                  std::vector<Column> columns, bool editable) {
    FormDecl f = NewForm(className, unit, 0);
    f.panel = {kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight};
    const bool described = names.description != nullptr;
    const int buttonRow = described ? 2 : 1;

    f.controls.push_back(EditorEdit(names.caption, "Caption:", "Zentrava", 0));
    f.controls.push_back(EditorEdit(names.link, "Link:", kDefaultLink, 1));
    if (described)
        f.controls.push_back(EditorEdit(names.description, "Description:", "This is a short description", 2));

    ControlDecl list;
    list.name = names.list;
    list.kind = ControlKind::ListView;
    list.columns = columns.empty() ? std::vector<Column>{{"Caption", -1}, {"Link", -1}} : std::move(columns);
    if (described) list.columns.push_back({"Description", 100});
    list.editableCaptions = editable;
    const int listTop = RowTop(buttonRow + 1);
    const int listBottom = bottom == BottomRow::Used ? kBottomRowTop - 8 : kPanelTop + kPanelHeight;
    list.rect = {kPanelLeft, listTop, 481, listBottom - listTop};
    if (described) {
        list.entries = {{"Google", kGoogleLink, "Search anything"}, {"Yahoo", kYahooLink, "Internet Portal"}};
    } else {
        list.entries = {{"Google", kGoogleLink}, {"Yahoo", kYahooLink}};
    }
    f.controls.push_back(std::move(list));

    // Add comes first: Enter in an edit that feeds it presses it.
    ControlDecl add = EditorButton("XP_Button2", "Add", ButtonAction::AddEntry, names.list, 320, buttonRow);
    add.sources = {{names.caption, {}}, {names.link, {}}};
    if (described) add.sources.push_back({names.description, {}});
    f.controls.push_back(std::move(add));
    f.controls.push_back(EditorButton("XP_Button4", "Remove", ButtonAction::RemoveEntry, names.list, 376, buttonRow));
    f.controls.push_back(EditorButton("XP_Button3", "Clear", ButtonAction::ClearEntries, names.list, 432, buttonRow));
    return f;
}

ControlDecl SeparatorButton(const EditorNames& names, std::vector<FieldSource> fields) {
    ControlDecl c =
        Button("XP_Button5", "Seperator", ButtonAction::AddEntry, names.list, {kPanelLeft + 320, RowTop(0), 89, 19});
    c.sources = std::move(fields);
    return c;
}

ControlDecl BottomEdit(const char* name, const char* label, const char* text) {
    ControlDecl c = Edit(name, label, text, 0, 150);
    c.rect = {kEditLeft, kBottomRowTop, 150, 19};
    c.labelLeft = kPanelLeft;
    return c;
}

ControlDecl BottomSwatch(const char* name, TColor color, bool preset, bool besideEdit) {
    ControlDecl c = Swatch(name, "Background:", color, 0, preset);
    const int labelLeft = besideEdit ? kEditLeft + 150 + 8 : kPanelLeft;
    c.rect = {labelLeft + 80, kBottomRowTop + 1, 65, 17};
    c.labelLeft = labelLeft;
    return c;
}

}  // namespace zentrava::forms::menu
