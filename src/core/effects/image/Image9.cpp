// Image: a picture that walks across the page; it shows the bear by default.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm9() {
    FormDecl f = OnePictureLineForm("TImageForm9", "Image9", 38, "<img src=\"", "\"");
    // FormCreate sets its own picture.
    for (ControlDecl& c : f.controls) {
        if (c.name == "ImageEdit") c.text = "Image\\bear.jpg";
    }
    return f;
}

}  // namespace zentrava::forms
