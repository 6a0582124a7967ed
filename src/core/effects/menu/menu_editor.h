// The menu entry editor that every menu form shares: a caption edit, a link
// edit, on some forms a description edit, the report-style entry list with
// "Add", "Remove" and "Clear", and the default entries.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "effects/menu/menu_forms.h"

namespace zentrava::forms::menu {

// The control names of one form's editor; `description` is null on forms
// without a description column.
struct EditorNames {
    const char* caption;
    const char* link;
    const char* description;
    const char* list;
};

// What the form shows besides the editor.
enum class BottomRow {
    None,  // the list reaches the bottom of the panel
    Used,  // a row of parameters sits below the list
};

// Where the editor sits: the white panel Panel1 at 8, 40 (489 x 340); rows
// 32 pixels apart inside it.
inline constexpr int kPanelLeft = 8;
inline constexpr int kPanelTop = 40;
inline constexpr int kPanelWidth = 489;
inline constexpr int kPanelHeight = 340;
inline constexpr int kEditLeft = kPanelLeft + 72;
inline constexpr int kEditWidth = 232;
inline constexpr int kBottomRowTop = kPanelTop + 312;
inline constexpr int RowTop(int row) { return kPanelTop + 32 * row; }

// Default links of the two default entries.
inline constexpr const char* kGoogleLink = "https://www.google.com/";
inline constexpr const char* kYahooLink = "https://www.yahoo.com/";

// Marker texts the forms test for.
inline constexpr const char* kSeparatorCaption = "#Seperator#";
inline constexpr const char* kHeaderLink = "<Seperator>";

// A menu form with its editor and the default entries: `columns` overrides
// the list's columns (TMenuForm2 sizes its own), `editable` lets the user
// edit captions in place.
FormDecl MenuForm(const char* className, const char* unit, const EditorNames& names, BottomRow bottom,
                  std::vector<Column> columns = {}, bool editable = false);

// The "Seperator" button at the right of the caption edit: appends an entry
// made of the given fields to the form's list.
ControlDecl SeparatorButton(const EditorNames& names, std::vector<FieldSource> fields);

// Controls of the row below the list: an edit at the left, a colour panel
// to its right (or at the left when the row has no edit).
ControlDecl BottomEdit(const char* name, const char* label, const char* text);
ControlDecl BottomSwatch(const char* name, TColor color, bool preset, bool besideEdit);

// The pieces of one generated line joined in a single allocation: long
// menus write a line per entry.
std::string Line(std::initializer_list<std::string_view> pieces);

// Field k of an entry, empty when the entry has fewer fields.
inline const std::string& Field(const ListEntry& entry, std::size_t k) {
    static const std::string empty;
    return k < entry.size() ? entry[k] : empty;
}
inline const std::string& Caption(const ListEntry& e) { return Field(e, 0); }
inline const std::string& Link(const ListEntry& e) { return Field(e, 1); }
inline const std::string& Description(const ListEntry& e) { return Field(e, 2); }

}  // namespace zentrava::forms::menu
