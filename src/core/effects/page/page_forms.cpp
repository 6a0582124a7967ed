// The page forms in their registration order.
#include "effects/forms.h"

namespace zentrava::forms {

std::vector<FormDecl> PageForms() { return {}; }

}  // namespace zentrava::forms
