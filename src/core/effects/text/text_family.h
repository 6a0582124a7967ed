// What the text forms share: the white parameter panel with its 32-pixel
// rows, the "Text:" edit that opens with the product name, colour panels that
// open the shared colour dialog as it was last left, the editable entry lists
// with their Add, Remove and Clear buttons, and the one-line text forms.
#pragma once

#include <string>
#include <vector>

#include "effects/forms.h"

namespace zentrava::forms::text {

// Panel1: 481 x 340 at 8, 40 of the form.
inline constexpr int kPanelHeight = 340;
inline constexpr int kRowPitch = 32;      // rows from the top of Panel1
inline constexpr int kControlLeft = 64;   // controls' left edge inside Panel1 (wider labels: 80, 112)
inline constexpr int kEditWidth = 249;    // leaves room for the list buttons at 328 of the form
inline constexpr int kEditHeight = 19;
inline constexpr int kColorWidth = 60;
inline constexpr int kColorHeight = 17;
inline constexpr int kButtonWidth = 52;
inline constexpr int kButtonHeight = 19;
// Labels may use the form's margin left of Panel1, inside its 2-pixel frame:
// "Fluorescence Color:" and "Shine Color:" need it in today's 8-point fonts.
inline constexpr int kLabelLeft = 2;

// The text a form's "Text:" edit holds when it opens.
inline constexpr const char* kDefaultText = "Zentrava";

// A rectangle given in Panel1 coordinates, as form coordinates.
Rect InPanel(int left, int top, int width, int height);

// A text form with its Panel1 (className "TTextForm3", unit "text3").
FormDecl TextForm(std::string className, std::string unit);

// A text edit in row `row` of Panel1, its label right-aligned before it.
ControlDecl TextEdit(std::string name, std::string label, std::string text, int row,
                     int controlLeft = kControlLeft, int width = kEditWidth);

// A colour panel in row `row`: a click opens the shared colour dialog with the
// colour it was last left at (not preset) and gives the panel the chosen colour.
ControlDecl ColorPanel(std::string name, std::string label, TColor color, int row,
                       int controlLeft = kControlLeft);

// The three entries an entry list opens with.
std::vector<ListEntry> DefaultEntries();

// An entry list at `rect` (form coordinates) holding the default entries.
ControlDecl EntryList(std::string name, Rect rect);

// "Add", "Remove" and "Clear" (XP_Button2, XP_Button4, XP_Button3) in one row,
// 56 pixels apart from `left`, at `top` (form coordinates). Add appends the
// text of `edit` to `list` as typed; every change clears the list's selection.
std::vector<ControlDecl> ListButtons(const std::string& list, const std::string& edit, int left, int top);

// A form with one "Text:" edit (default kDefaultText) whose Generate loads the
// script file and replaces line `line` with prefix + text + suffix.
FormDecl SingleTextForm(std::string className, std::string unit, std::string edit, int line,
                        std::string prefix, std::string suffix);

}  // namespace zentrava::forms::text
