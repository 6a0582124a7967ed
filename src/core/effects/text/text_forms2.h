// The text forms TTextForm13 to TTextForm25, one function per unit file, and
// what the two entry-array forms share.
#pragma once

#include <string>
#include <vector>

#include "effects/forms.h"

namespace zentrava::forms {

FormDecl TextForm13();
FormDecl TextForm14();
FormDecl TextForm15();
FormDecl TextForm16();
FormDecl TextForm17();
FormDecl TextForm18();
FormDecl TextForm19();
FormDecl TextForm20();
FormDecl TextForm21();
FormDecl TextForm22();
FormDecl TextForm23();
FormDecl TextForm24();
FormDecl TextForm25();

// TTextForm13 to TTextForm25, in their registration order.
std::vector<FormDecl> TextForms13To25();

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
