// Image: a picture that shakes under the pointer (the path stands without quotes).
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm13() {
    return OnePictureLineForm(
        "TImageForm13", "Image13", 8,
        "<img src=", " class=\"shakeimage\" onMouseover=\"init(this);rattleimage()\" onMouseout=\"stoprattle(this)\">");
}

}  // namespace zentrava::forms
