// Text: messages that take turns on a turning card, one line of the script per message.
#include "effects/text/text_family.h"
#include "effects/text/entry_array.h"

namespace zentrava::forms {

namespace {
const text::EntryArray kShape{"TTextForm13", "text13", "FlatEdit64", "Contents:", "FlatListBox2",
                              {0, 32, 481, 290}, 31, "message"};
}  // namespace

FormDecl TextForm13() {
    FormDecl f = text::EntryArrayForm(kShape);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        text::PutEntryArray(v, out, kShape);
    };
    return f;
}

}  // namespace zentrava::forms
