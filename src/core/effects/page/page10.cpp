// Page: a message box when the page is left.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl PageForm10() {
    FormDecl f = BodyEventMessageForm("TPageForm10", "page10", "FlatEdit33", "onunload");
    const Generator message = f.generate;
    f.generate = [message](const FormValues& v, ScriptWriter& out) {
        message(v, out);
        // The message shows only when the page is left, so the preview asks for that.
        out.AddToSkeleton("Please refresh to view effect</Body>");
    };
    return f;
}

}  // namespace zentrava::forms
