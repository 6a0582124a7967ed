// Image: a picture whose tag the script file opens; this line ends it.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm8() { return OnePictureLineForm("TImageForm8", "Image8", 47, "src=\"", "\" border=\"0\">"); }

}  // namespace zentrava::forms
