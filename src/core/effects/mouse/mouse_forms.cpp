// The mouse forms in their registration order.
#include "effects/mouse/mouse_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> MouseForms() {
    std::vector<FormDecl> list;
    for (auto declare : {MouseForm1, MouseForm2, MouseForm3, MouseForm6, MouseForm8, MouseForm12, MouseForm16,
                         MouseForm17, MouseForm18, MouseForm19, MouseForm21}) {
        list.push_back(declare());
    }
    return list;
}

}  // namespace zentrava::forms
