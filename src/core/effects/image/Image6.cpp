// Image: a picture that bounces round the window from its starting place.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

FormDecl ImageForm6() {
    FormDecl f = ImageEffectForm("TImageForm6", "Image6", [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(3, "<DIV ID=\"soccer\" STYLE=\"position:absolute; left:" + LeftMargin(v) + "; top:" + TopMargin(v) +
                       "\">");
        out.Put(4, "<IMG SRC=\"" + PicturePath(v) + "\" border=\"0\">");
    });
    AddMargins(f);
    return f;
}

}  // namespace zentrava::forms
