// Image: a picture that fades in once the page has loaded.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm5() { return OnePictureLineForm("TImageForm5", "Image5", 3, "<img src=\"", "\""); }

}  // namespace zentrava::forms
