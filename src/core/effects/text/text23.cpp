// Text: a text lit by a spotlight that follows the mouse.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm23() { return text::SingleTextForm("TTextForm23", "text23", "FlatEdit89", 4, "mesg = \"", "\";"); }

}  // namespace zentrava::forms
