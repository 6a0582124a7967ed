// Time: a countdown to a date, with a title and the message for the day.
#include "effects/time/time_forms.h"

namespace zentrava::forms {

FormDecl TimeForm18() {
    FormDecl f = NewForm("TTimeForm18", "Time18", 89);
    // Year, month and day stand on one row after "Date:", each with its unit word.
    constexpr int kShift = 24;  // room for the longest label
    ControlDecl year = SpinEdit("sSpinEdit1", "Date:", "2008", 0);
    ControlDecl month = SpinEdit("sSpinEdit2", "", "7", 0);
    ControlDecl day = SpinEdit("sSpinEdit3", "", "12", 0);
    year.unit = "year";
    month.unit = "month";
    day.unit = "day";
    year.rect.left += kShift;
    month.rect.left = year.rect.left + 112;
    day.rect.left = month.rect.left + 112;
    f.controls = {
        year, month, day,
        Edit("FlatEdit78", "Title:", "This is a important moment.", 1),
        Edit("FlatEdit77", "Congradulations:", "Hi, let's celebrate!", 2),
    };
    f.controls[3].rect.left += kShift;
    f.controls[4].rect.left += kShift;
    f.generate = [](const FormValues& v, ScriptWriter& out) {
        out.Load();
        out.Put(6, "setcountdown(" + v.Text("sSpinEdit1") + "," + v.Text("sSpinEdit2") + "," + v.Text("sSpinEdit3") +
                       ")");
        out.Put(7, "var occasion=\"" + v.Text("FlatEdit78") + "\"");
        out.Put(8, "var message_on_occasion=\"" + v.Text("FlatEdit77") + "\"");
    };
    return f;
}

}  // namespace zentrava::forms
