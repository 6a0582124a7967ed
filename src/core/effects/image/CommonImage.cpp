// Image: the picture row that every image form shows.
#include "effects/image/image_forms.h"

namespace zentrava::forms {

namespace {
constexpr int kOneRow = 33;
constexpr int kMarginRows = 2 * layout::kRow;
}  // namespace

FormDecl CommonImageForm() {
    FormDecl f = NewForm("TCommonImageForm", "CommonImage", kOneRow);
    f.controls = {
        Edit("ImageEdit", "Image:", "image\\Dog.jpg", 0),
        Button("XP_Button2", "Browse", ButtonAction::BrowsePicture, "ImageEdit",
               {layout::kFieldLeft + 221, layout::Row(0), 65, 19}),
    };
    return f;
}

FormDecl ImageEffectForm(const char* className, const char* unit, Generator generate) {
    FormDecl f = CommonImageForm();
    f.className = className;
    f.unit = unit;
    f.generate = std::move(generate);
    return f;
}

void AddMargins(FormDecl& form) {
    // "Top Margin:" above "Left Margin:", below the picture row.
    form.controls.push_back(SpinEdit("topedit", "Top Margin:", "50", 1));
    form.controls.push_back(SpinEdit("leftedit", "Left Margin:", "50", 2));
    form.panel.height += kMarginRows;
}

FormDecl OnePictureLineForm(const char* className, const char* unit, int index, std::string before,
                            std::string after) {
    return ImageEffectForm(className, unit, [index, before = std::move(before), after = std::move(after)](
                                                const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(index, before + PicturePath(v) + after);
    });
}

}  // namespace zentrava::forms
