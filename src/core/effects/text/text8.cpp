// Text: an effect without parameters; its script file is shown as it is.
#include "effects/text/text_family.h"
#include "effects/text/text_forms1.h"

namespace zentrava::forms {

FormDecl TextForm8() {
    FormDecl f = NewForm("TTextForm8", "text8", 0);
    f.generate = [](const FormValues&, ScriptWriter& out) { out.Load(); };
    return f;
}

}  // namespace zentrava::forms
