// What the two entry-array text forms (TTextForm13, TTextForm14) share.
#pragma once

#include <string>
#include <vector>

#include "effects/text/text_forms.h"

namespace zentrava::forms {
namespace text {

// A form whose entries become one script line each: an edit whose text "Add"
// appends, the entry list at `list` (Panel1 coordinates) with the three
// default entries, and the Add, Remove and Clear buttons on the form at top
// 40. Generate replaces line firstLine + i with
// arrayName + "[" + i + "]='" + entry i + "'", for i = 0, 1, ... in list order.
struct EntryArray {
    const char* className;
    const char* unit;
    const char* edit;
    const char* editLabel;
    const char* list;
    Rect listRect;  // in Panel1
    int firstLine;
    const char* arrayName;
};
FormDecl EntryArrayForm(const EntryArray& shape);

// Writes the entries of `list` from line firstLine on; fails, as a short script
// file does, at the first entry whose line lies past the end.
void PutEntryArray(const FormValues& v, ScriptWriter& out, const EntryArray& shape);

}  // namespace text
}  // namespace zentrava::forms
