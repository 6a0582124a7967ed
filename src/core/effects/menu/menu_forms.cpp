// The menu forms in their registration order.
#include "effects/menu/menu_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> MenuForms() {
    return {MenuForm1(), MenuForm2(), MenuForm3(),  MenuForm4(),  MenuForm5(),  MenuForm6(),  MenuForm7(),
            MenuForm8(), MenuForm9(), MenuForm10(), MenuForm11(), MenuForm12(), MenuForm13(), MenuForm17()};
}

}  // namespace zentrava::forms
