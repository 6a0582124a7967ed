// Image: a picture that answers the pointer.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm11() { return OnePictureLineForm("TImageForm11", "Image11", 8, "<img src=\"", "\""); }

}  // namespace zentrava::forms
