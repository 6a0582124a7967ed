// The menu forms in their registration order.
#include "effects/forms.h"

namespace zentrava::forms {

std::vector<FormDecl> MenuForms() { return {}; }

}  // namespace zentrava::forms
