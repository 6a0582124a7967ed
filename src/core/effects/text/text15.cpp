// Text: an outlined text that fills with colour.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm15() { return text::SingleTextForm("TTextForm15", "text15", "FlatEdit66", 36, "", ""); }

}  // namespace zentrava::forms
