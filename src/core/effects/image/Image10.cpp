// Image: a picture that answers the pointer.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm10() { return OnePictureLineForm("TImageForm10", "Image10", 57, "<img src=\"", "\""); }

}  // namespace zentrava::forms
