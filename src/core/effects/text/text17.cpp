// Text: a text with its mirror image below it.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm17() { return text::SingleTextForm("TTextForm17", "text17", "FlatEdit69", 6, "var text = \"", "\""); }

}  // namespace zentrava::forms
