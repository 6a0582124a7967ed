// Text: a text whose letters take their colours one after another.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

FormDecl TextForm2() { return text::SingleTextForm("TTextForm2", "text2", "FlatEdit28", 11, "var ctext = \"", "\""); }

}  // namespace zentrava::forms
