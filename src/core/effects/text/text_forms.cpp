// The text forms in their registration order.
#include "effects/forms.h"
#include "effects/text/text_forms1.h"

namespace zentrava::forms {

std::vector<FormDecl> TextForms() {
    std::vector<FormDecl> all;
    for (auto declare : {TextForm1, TextForm2, TextForm3, TextForm4, TextForm5, TextForm6, TextForm7, TextForm8,
                         TextForm9, TextForm10, TextForm11, TextForm12}) {
        all.push_back(declare());
    }
    for (FormDecl& f : TextForms13To25()) all.push_back(std::move(f));
    return all;
}

}  // namespace zentrava::forms
