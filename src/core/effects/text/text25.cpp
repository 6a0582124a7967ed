// Text: a link whose description fades in under it in a coloured box.
#include "effects/text/text_family.h"
#include "effects/text/text_forms.h"

namespace zentrava::forms {

namespace {
// A colour panel of the bottom row (top 312 of Panel1), its label between
// the panel before it and itself.
ControlDecl RowPanel(std::string name, std::string label, TColor color, int left, int labelLeft) {
    ControlDecl c = text::ColorPanel(std::move(name), std::move(label), color, 0, left);
    c.rect = text::InPanel(left, 312, text::kColorWidth, text::kColorHeight);
    c.labelLeft = layout::kPanelLeft + labelLeft;
    return c;
}
}  // namespace

FormDecl TextForm25() {
    FormDecl f = text::TextForm("TTextForm25", "text25");
    ControlDecl description = text::TextEdit("FlatEdit105", "Description:", "", 0);
    description.rect.top = text::InPanel(0, 66, 0, 0).top;
    f.controls = {
        text::TextEdit("FlatEdit103", "Text:", text::kDefaultText, 0),
        text::TextEdit("FlatEdit104", "Link:", kDefaultLink, 1),
        description,
        text::EntryList("ListBox1", text::InPanel(8, 96, 465, 201)),
        RowPanel("Panel15", "Background:", colors::kWhite, 72, 0),
        RowPanel("Panel16", "Border:", colors::kOrange, 216, 136),
        RowPanel("Panel17", "Text:", colors::kBlack, 360, 280),
    };
    // inside Panel1, right of the description edit
    const Rect buttons = text::InPanel(320, 66, 0, 0);
    for (ControlDecl& b : text::ListButtons("ListBox1", "FlatEdit105", buttons.left, buttons.top)) {
        f.controls.push_back(std::move(b));
    }
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        // the text colour comes before the border colour
        out.Put(56, "document.write(\".cPopText {  background-color: #" + v.Hex("Panel15") + ";color:#" +
                        v.Hex("Panel17") + "; border: 1px #" + v.Hex("Panel16") +
                        " solid;font-color: font-size: 10px; padding-right: 4px; padding-left: 4px; height: 20px; "
                        "padding-top: 2px; padding-bottom: 2px; filter: Alpha(Opacity=0)}\");");
        std::string title;
        for (const ListEntry& e : v.Entries("ListBox1")) title += (e.empty() ? std::string() : e.front()) + "<BR>";
        out.Add("<a href=\"" + v.Text("FlatEdit104") + "\" title=\"" + title + "\">" + v.Text("FlatEdit103") +
                "</a>");
    };
    return f;
}

}  // namespace zentrava::forms
