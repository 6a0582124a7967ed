// Text: a text on flipping tiles that settle one by one.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm20() { return text::SingleTextForm("TTextForm20", "text20", "FlatEdit72", 6, "var msg = \"", "\""); }

}  // namespace zentrava::forms
