// What each kind of control holds, in one table: the form's defaults, the
// command line, the recipes of inserted effects, the typed-text warning and
// the desktop's widgets all ask it. A new kind is added here, to the desktop's
// adapter table (src/desktop/effects/control_adapter.cpp) and given a builder
// in form.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "effects/form.h"

namespace zentrava {

enum class ValueKind {
    None,     // a button or label: its text is a caption, not a value
    Text,     // typed text, written into the script as typed
    Number,   // typed text that must be a number (IsNumberText)
    Colour,   // a colour value
    Entries,  // a list of entries, one field per column
};

struct ControlKindInfo {
    const char* name;  // as `zentrava-cli form` lists it
    ValueKind value;
};

const ControlKindInfo& KindInfo(ControlKind kind);

inline ValueKind ValueOf(const ControlDecl& c) { return KindInfo(c.kind).value; }
inline bool HoldsValue(const ControlDecl& c) { return ValueOf(c) != ValueKind::None; }
// A text the user types (numbers included): what the typed-text warning looks at.
inline bool HoldsText(const ControlDecl& c) { return ValueOf(c) == ValueKind::Text || ValueOf(c) == ValueKind::Number; }
inline bool IsList(const ControlDecl& c) { return ValueOf(c) == ValueKind::Entries; }
// A button's or label's text is its caption.
inline bool HasCaption(const ControlDecl& c) { return ValueOf(c) == ValueKind::None; }

// The fields of one entry of a list: a list view's columns, one for a list box.
std::size_t EntryFields(const ControlDecl& c);

// The value a freshly created control holds.
ControlValue DefaultValue(const ControlDecl& c);

// Why a text cannot be a control's value, when it cannot.
enum class ValueTextError { None, NotColour, NotNumber, NotAccepted };

// Sets a control that is no list from a text: a swatch from "#RRGGBB" or a
// decimal colour value, the others to the text as it is. A choice box
// always refuses what is none of its items, a check box all but yes or no.
// When `checkNumber` is set, a numeric control refuses what is no number (or
// lies outside its range). Leaves `value` as it was when the text is refused.
ValueTextError SetValueText(const ControlDecl& c, ControlValue& value, const std::string& text, bool checkNumber);

// An entry of a list from its fields separated by TAB characters, cut or
// padded to the list's fields.
ListEntry EntryFromFields(const ControlDecl& c, const std::string& text);

}  // namespace zentrava
