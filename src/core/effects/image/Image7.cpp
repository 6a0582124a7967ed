// Image: a picture that keeps its place in the window while the page scrolls.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm7() {
    FormDecl f = ImageEffectForm("TImageForm7", "Image7", [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(13, "<img SRC=\"" + PicturePath(v) + "\" border=\"0\">");
        out.Put(11, "<div ID=\"floater\" style=\"left: " + LeftMargin(v) + "px; top: " + TopMargin(v) + "px\">");
    });
    AddMargins(f);
    return f;
}

}  // namespace zentrava::forms
