// Text: one tip of a list at every visit; the page asks to be refreshed for another.
#include "effects/text/text_family.h"
#include "effects/text/entry_array.h"

namespace zentrava::forms {

namespace {
const text::EntryArray kShape{"TTextForm14", "text14", "FlatEdit65", "Content:", "FlatListBox3",
                              {8, 32, 473, 290}, 4, "tips"};
}  // namespace

FormDecl TextForm14() {
    FormDecl f = text::EntryArrayForm(kShape);
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        text::PutEntryArray(v, out, kShape);
        // only once every entry has found its line
        out.AddToSkeleton("Please refresh to view effect</Body>");
    };
    return f;
}

}  // namespace zentrava::forms
