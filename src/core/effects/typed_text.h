// Warnings for typed text that would break the generated code.
//
// Generated lines take a control's text exactly as typed, so an apostrophe
// typed into a text that the script writes between apostrophes ends that
// string early. To see where a text lands, the form is generated once with a
// marker in place of the text, and the generated code is read up to each
// place of the marker: page markup, script, style sheet, event handler
// attribute, and within a script its strings, comments and regular
// expressions. Nothing is changed by itself: the caller shows the warning and
// offers the escaped text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/form.h"

namespace zentrava {

// Where one place of a text stands in the generated code.
struct Enclosure {
    char quote = 0;      // the quote of the script or style string around it; 0 for none
    bool css = false;    // the string is a style sheet's, not a script's
    char attribute = 0;  // the quote of the event handler attribute around it; 0 for none
    bool operator==(const Enclosure&) const = default;
};

// The enclosure of every place of `marker` in `code`, in order.
std::vector<Enclosure> EnclosuresOf(const std::string& code, const std::string& marker);

struct TextWarning {
    std::string control;  // the control's name
    std::string brief;    // a few words for beside the control: "' ends the string"
    std::string message;  // a sentence naming what breaks the string
    std::string fixed;    // the text with the escapes inserted
    std::vector<std::string> signs;  // what brief names: "'", "line break"
    std::vector<std::string> names;  // what message names: "apostrophe (')", "line break"
};

// The warning for `text` written at the given places; none when the text is safe there.
std::optional<TextWarning> WarningFor(const std::string& text, const std::vector<Enclosure>& places);

// Whether typed text holds a character that can end or break the code
// around it (or "</", which may start the script's end tag); text without
// one never gets a warning.
inline bool MayBreakCode(std::string_view text) {
    return text.find_first_of("'\"`\\\n\r") != std::string_view::npos || text.find("</") != std::string_view::npos;
}

// The warnings for the typed texts of a form with the given values (edits,
// spin edits, size and font boxes), in the form's order. A form that cannot be
// generated (a missing script file) gives none.
std::vector<TextWarning> TypedTextWarnings(const FormDecl& form, const FormValues& values, const Tplugin& entry,
                                           const std::string& programDir);

}  // namespace zentrava
