#include "effects/control_kind.h"

#include <algorithm>

namespace zentrava {

const ControlKindInfo& KindInfo(ControlKind kind) {
    static constexpr ControlKindInfo kEdit{"edit", ValueKind::Text};
    static constexpr ControlKindInfo kSpinEdit{"spinedit", ValueKind::Number};
    static constexpr ControlKindInfo kSizeBox{"sizebox", ValueKind::Number};
    static constexpr ControlKindInfo kFontBox{"fontbox", ValueKind::Text};
    static constexpr ControlKindInfo kSwatch{"swatch", ValueKind::Colour};
    static constexpr ControlKindInfo kListBox{"listbox", ValueKind::Entries};
    static constexpr ControlKindInfo kListView{"listview", ValueKind::Entries};
    static constexpr ControlKindInfo kButton{"button", ValueKind::None};
    static constexpr ControlKindInfo kLabel{"label", ValueKind::None};
    static constexpr ControlKindInfo kChoiceBox{"choicebox", ValueKind::Text};
    static constexpr ControlKindInfo kCheckBox{"checkbox", ValueKind::Text};
    static constexpr ControlKindInfo kUnknown{"?", ValueKind::None};
    switch (kind) {
        case ControlKind::Edit: return kEdit;
        case ControlKind::SpinEdit: return kSpinEdit;
        case ControlKind::SizeBox: return kSizeBox;
        case ControlKind::FontBox: return kFontBox;
        case ControlKind::Swatch: return kSwatch;
        case ControlKind::ListBox: return kListBox;
        case ControlKind::ListView: return kListView;
        case ControlKind::Button: return kButton;
        case ControlKind::Label: return kLabel;
        case ControlKind::ChoiceBox: return kChoiceBox;
        case ControlKind::CheckBox: return kCheckBox;
    }
    return kUnknown;
}

std::size_t EntryFields(const ControlDecl& c) {
    return c.kind == ControlKind::ListView ? std::max<std::size_t>(c.columns.size(), 1) : 1;
}

ControlValue DefaultValue(const ControlDecl& c) {
    ControlValue v;
    v.text = c.text;
    v.color = c.color;
    v.entries = c.entries;
    return v;
}

ValueTextError SetValueText(const ControlDecl& c, ControlValue& value, const std::string& text, bool checkNumber) {
    switch (ValueOf(c)) {
        case ValueKind::Colour: {
            const std::optional<TColor> color = ParseColor(text);
            if (!color) return ValueTextError::NotColour;
            value.color = *color;
            return ValueTextError::None;
        }
        case ValueKind::Number:
            if (checkNumber && !IsNumberText(text)) return ValueTextError::NotNumber;
            if (checkNumber && !AcceptsText(c, text)) return ValueTextError::NotAccepted;
            break;
        case ValueKind::Text:
            // What the script tests a choice against is a closed list, wherever
            // the value comes from (a remembered or inserted effect's recipe too).
            if ((checkNumber || c.kind == ControlKind::ChoiceBox || c.kind == ControlKind::CheckBox) &&
                !AcceptsText(c, text)) {
                return ValueTextError::NotAccepted;
            }
            break;
        default:
            break;
    }
    value.text = text;
    return ValueTextError::None;
}

ListEntry EntryFromFields(const ControlDecl& c, const std::string& text) {
    ListEntry entry;
    for (std::size_t from = 0;;) {
        const std::size_t tab = text.find('\t', from);
        entry.push_back(text.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
        if (tab == std::string::npos) break;
        from = tab + 1;
    }
    entry.resize(EntryFields(c));
    return entry;
}

}  // namespace zentrava
