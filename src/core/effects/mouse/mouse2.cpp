// Mouse: an alert when the right button is pressed.
#include "effects/mouse/alert_forms.h"

namespace zentrava::forms {

FormDecl MouseForm2() { return AlertOnButtonForm("TMouseForm2", "mouse2", "FlatEdit3", 2); }

}  // namespace zentrava::forms
