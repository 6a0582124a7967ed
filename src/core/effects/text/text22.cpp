// Text: letters that zoom out of the depth into place.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm22() { return text::SingleTextForm("TTextForm22", "text22", "FlatEdit80", 3, "var message=\"", "\""); }

}  // namespace zentrava::forms
