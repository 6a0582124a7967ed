// Image: a picture whose tag the script file completes.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm1() { return OnePictureLineForm("TImageForm1", "Image1", 12, "<img src=\"", "\" "); }

}  // namespace zentrava::forms
