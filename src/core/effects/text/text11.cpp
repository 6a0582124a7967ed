// Text: a message in the window's status strip.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm11() { return text::SingleTextForm("TTextForm11", "text11", "FlatEdit62", 6, "msg=\"", "\""); }

}  // namespace zentrava::forms
