// The image forms in their registration order.
#include "effects/forms.h"

namespace zentrava::forms {

std::vector<FormDecl> ImageForms() { return {}; }

}  // namespace zentrava::forms
