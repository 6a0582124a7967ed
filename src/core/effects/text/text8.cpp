// Text: an effect without parameters; its script file is shown as it is.
#include "effects/forms.h"
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm8() {
    // It says so, as every form without parameters does.
    FormDecl f = NoParamForm();
    f.className = "TTextForm8";
    f.unit = "text8";
    return f;
}

}  // namespace zentrava::forms
