// Image: a picture that fades in and out.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm12() {
    return OnePictureLineForm("TImageForm12", "Image12", 3, "<img src=\"", "\" name=\"u\" border=\"0\" alt=\"\">");
}

}  // namespace zentrava::forms
