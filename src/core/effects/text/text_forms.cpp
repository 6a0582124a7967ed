// The text forms in their registration order.
#include "effects/text/text_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> TextForms() {
    std::vector<FormDecl> list;
    for (auto declare : {TextForm1,  TextForm2,  TextForm3,  TextForm4,  TextForm5,  TextForm6,  TextForm7,
                         TextForm8,  TextForm9,  TextForm10, TextForm11, TextForm12, TextForm13, TextForm14,
                         TextForm15, TextForm16, TextForm17, TextForm18, TextForm19, TextForm20, TextForm21,
                         TextForm22, TextForm23, TextForm24, TextForm25}) {
        list.push_back(declare());
    }
    return list;
}

}  // namespace zentrava::forms
