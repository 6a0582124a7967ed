// Text: a list of lines shown one after another.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm5() {
    FormDecl f = text::TextForm("TTextForm5", "text5");
    f.controls = {
        text::TextEdit("FlatEdit31", "Content:", "This is a word.", 0),
        text::EntryList("FlatListBox1", text::InPanel(0, 37, 481, 290)),
    };
    for (ControlDecl& b : text::ListButtons("FlatListBox1", "FlatEdit31", 328, 40)) f.controls.push_back(std::move(b));
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // line 12 ends with the entries in apostrophes, commas between them
        const std::vector<ListEntry>& entries = v.Entries("FlatListBox1");
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string& entry = entries[i].empty() ? std::string() : entries[i].front();
            const std::string line = out.Get(12);
            out.Put(12, line + "'" + entry + (i + 1 < entries.size() ? "'," : "'"));
        }
    };
    return f;
}

}  // namespace zentrava::forms
