// Placeholder until the forms TTextForm13 to TTextForm25 join the list.
#include "effects/text/text_forms1.h"

namespace zentrava::forms {

std::vector<FormDecl> TextForms13To25() { return {}; }

}  // namespace zentrava::forms
