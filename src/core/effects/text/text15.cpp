// Text: a text whose letters rise and fall in a wave.
#include "effects/text/text_family.h"
#include "effects/text/text_forms2.h"

namespace zentrava::forms {

FormDecl TextForm15() { return text::SingleTextForm("TTextForm15", "text15", "FlatEdit66", 36, "", ""); }

}  // namespace zentrava::forms
