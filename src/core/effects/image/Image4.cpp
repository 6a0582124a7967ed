// Image: a spotlight over a picture.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm4() {
    return OnePictureLineForm("TImageForm4", "Image4", 21, "<IMG  id=\"spotlight\" src=\"", "\" speed=\"50\"></P>");
}

}  // namespace zentrava::forms
