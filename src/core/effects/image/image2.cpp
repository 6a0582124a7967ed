// Image: a picture with its reflection.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm2() { return OnePictureLineForm("TImageForm2", "image2", 2, "<IMG id=reflect src=\"", "\"><BR>"); }

}  // namespace zentrava::forms
