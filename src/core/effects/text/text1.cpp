// Text: a phrase typed out letter by letter.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm1() { return text::SingleTextForm("TTextForm1", "text1", "FlatEdit27", 4, "Phrase=\"", "\""); }

}  // namespace zentrava::forms
