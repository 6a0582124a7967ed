// The image forms in their registration order.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> ImageForms() {
    std::vector<FormDecl> list;
    for (auto declare : {CommonImageForm, ImageForm1, ImageForm2, ImageForm3, ImageForm4, ImageForm5, ImageForm6,
                         ImageForm7, ImageForm8, ImageForm9, ImageForm10, ImageForm11, ImageForm12, ImageForm13}) {
        list.push_back(declare());
    }
    return list;
}

}  // namespace zentrava::forms
