#include "effects/text/entry_array.h"

#include "effects/text/text_family.h"

namespace zentrava::forms {
namespace text {

FormDecl EntryArrayForm(const EntryArray& shape) {
    FormDecl f = TextForm(shape.className, shape.unit);
    const Rect& r = shape.listRect;
    f.controls = {
        TextEdit(shape.edit, shape.editLabel, "This is a word.", 0),
        EntryList(shape.list, InPanel(r.left, r.top, r.width, r.height)),
    };
    for (ControlDecl& b : ListButtons(shape.list, shape.edit, 328, 40)) f.controls.push_back(std::move(b));
    return f;
}

void PutEntryArray(const FormValues& v, ScriptWriter& out, const EntryArray& shape) {
    const std::vector<ListEntry>& entries = v.Entries(shape.list);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string entry = entries[i].empty() ? std::string() : entries[i].front();
        out.Put(static_cast<long long>(shape.firstLine + i),
                std::string(shape.arrayName) + "[" + std::to_string(i) + "]='" + entry + "'");
    }
}

}  // namespace text
}  // namespace zentrava::forms
