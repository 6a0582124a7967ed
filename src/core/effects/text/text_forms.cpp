// The text forms in their registration order.
#include "effects/forms.h"

namespace zentrava::forms {

std::vector<FormDecl> TextForms() { return {}; }

}  // namespace zentrava::forms
