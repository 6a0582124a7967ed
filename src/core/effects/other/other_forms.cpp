// The forms of the Others category in their registration order.
#include "effects/other/other_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> OtherForms() { return {OtherForm1(), OtherForm2()}; }

}  // namespace zentrava::forms
