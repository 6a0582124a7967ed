// Text: a link whose letters light up in turn while it is pointed at.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm16() {
    FormDecl f = text::TextForm("TTextForm16", "text16");
    f.controls = {
        text::TextEdit("FlatEdit67", "Text:", text::kDefaultText, 0),
        text::TextEdit("FlatEdit68", "Link:", kDefaultLink, 1),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // the address stands without quotation marks
        out.Put(26, "<a href=" + v.Text("FlatEdit68") + ">" + v.Text("FlatEdit67") + "</a>");
    };
    return f;
}

}  // namespace zentrava::forms
