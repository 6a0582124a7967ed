// Text: a link with a band under it through which its description scrolls.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

namespace {
// A spin edit of this form: 57 x 22 at the row's place; its text is used as shown.
ControlDecl Spin(std::string name, std::string label, std::string value, int row) {
    ControlDecl c;
    c.name = std::move(name);
    c.kind = ControlKind::SpinEdit;
    c.label = std::move(label);
    c.text = std::move(value);
    c.rect = text::InPanel(text::kControlLeft, row * text::kRowPitch, 57, 22);
    c.labelLeft = text::kLabelLeft;  // as the family's edits: "Description:" needs the room
    return c;
}
}  // namespace

FormDecl TextForm24() {
    FormDecl f = text::TextForm("TTextForm24", "text24");
    f.controls = {
        text::TextEdit("FlatEdit100", "Text:", text::kDefaultText, 0),
        text::TextEdit("FlatEdit101", "Link:", kDefaultLink, 1),
        text::TextEdit("FlatEdit102", "Description:", "A tool to make your website more wonderful", 2),
        Spin("sSpinEdit2", "Width:", "400", 3),
        Spin("sSpinEdit1", "Start:", "0", 4),
    };
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // the higher line first: a file of 12 or 13 lines keeps every line
        out.Put(13, " var begin_pos = " + v.Text("sSpinEdit1") + ";");
        out.Put(11, " var scroll_length = " + v.Text("sSpinEdit2") + ";");
        out.Add("<a href=\"" + v.Text("FlatEdit101") +
                "\" class=\"link\" onmouseover=\"javascript:reset();Scroll('prem_hint');\" "
                "onmouseout=\"javascript:StopScroll('prem_hint');\">" +
                v.Text("FlatEdit100") + "</a>");
        // The box is closed here: the classic line ended with an opening <div>, which swallowed
        // the rest of the page into the hidden box.
        out.Add("<div id=\"prem_hint\" style=\"position:relative; visibility:hidden\" class=\"prem_hint\"><b>" +
                v.Text("FlatEdit102") + "</b></div>");
    };
    return f;
}

}  // namespace zentrava::forms
