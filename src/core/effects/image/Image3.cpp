// Image: a picture effect whose lines follow the closed body.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm3() {
    return ImageEffectForm("TImageForm3", "Image3", [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(3, "<img src=\"" + PicturePath(v) + "\"");
        // The body is closed right after its opening line, ahead of the effect.
        out.AddToSkeleton("</Body>");
    });
}

}  // namespace zentrava::forms
