// Text: a message with its own script line 4.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm12() { return text::SingleTextForm("TTextForm12", "text12", "FlatEdit63", 4, "msg=\"", "\""); }

}  // namespace zentrava::forms
