// The time forms in their registration order.
#include "effects/time/time_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> TimeForms() { return {Time7(), TimeForm8(), TimeForm18(), TimeForm20()}; }

}  // namespace zentrava::forms
