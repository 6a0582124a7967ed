// Page: the colours of the page's scrollbars, as a style block.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

FormDecl PageForm15() {
    FormDecl f = NewForm("TPageForm15", "page15", 201);
    f.controls = {
        Swatch("Panel2", "Scrollbar Face Color:", colors::kRed, 0, /*preset=*/true),
        Swatch("Panel3", "Scrollbar Highlight Color:", colors::kOrange, 1, /*preset=*/true),
        Swatch("Panel4", "Scrollbar Shadow Color:", colors::kOrange, 2, /*preset=*/true),
        Swatch("Panel5", "Scrollbar 3Dlight Color:", colors::kSilver, 3, /*preset=*/true),
        Swatch("Panel6", "Scrollbar Darkshadow Color:", colors::kSilver, 4, /*preset=*/true),
        Swatch("Panel7", "Scrollbar Arrow Color:", colors::kYellow, 5, /*preset=*/true),
        Swatch("Panel8", "Scrollbar Track Color:", colors::kBlue, 6, /*preset=*/true),
    };
    for (ControlDecl& c : f.controls) c.rect.left += 80;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Clear();
        out.Add("<!--将以下代码加入HTML的<Head></Head>之间-->");
        out.Add("");
        out.Add("<STYLE>");
        out.Add("Body{");
        out.Add("Scrollbar-Face-Color:" + v.Hex("Panel2") + ";");
        out.Add("Scrollbar-Highlight-Color:" + v.Hex("Panel3") + ";");
        out.Add("Scrollbar-Shadow-Color:" + v.Hex("Panel4") + ";");
        out.Add("Scrollbar-3Dlight-Color:" + v.Hex("Panel5") + ";");
        out.Add("Scrollbar-Darkshadow-Color:" + v.Hex("Panel6") + ";");
        out.Add("Scrollbar-Arrow-Color:" + v.Hex("Panel7") + ";");
        out.Add("Scrollbar-Track-Color:" + v.Hex("Panel8") + ";");
        // Current browsers ignore the lines above. The standard property
        // shows the face colour on the track colour; the window's own
        // scrollbars take it from the root element, so the nested rule sets
        // it there as well as on the body.
        out.Add("&, :root:has(&) {scrollbar-color:#" + v.Hex("Panel2") + " #" + v.Hex("Panel8") + "}");
        out.Add("}</STYLE>");
    };
    return f;
}

}  // namespace zentrava::forms
