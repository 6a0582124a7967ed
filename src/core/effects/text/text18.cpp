// Text: a text casting a long shadow away from the mouse.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm18() { return text::SingleTextForm("TTextForm18", "text18", "FlatEdit70", 11, "msg = \"", "\""); }

}  // namespace zentrava::forms
