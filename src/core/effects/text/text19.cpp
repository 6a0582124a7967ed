// Text: a text whose letters stand round a slowly turning circle.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm19() { return text::SingleTextForm("TTextForm19", "text19", "FlatEdit71", 3, "var MESSAGE=\"", "\""); }

}  // namespace zentrava::forms
