// The time forms in their registration order.
#include "effects/forms.h"

namespace zentrava::forms {

std::vector<FormDecl> TimeForms() { return {}; }

}  // namespace zentrava::forms
