// The page forms in their registration order.
#include "effects/page/page_forms.h"

namespace zentrava::forms {

std::vector<FormDecl> PageForms() {
    return {PageForm9(), PageForm10(), PageForm11(), PageForm13(), PageForm14(), PageForm15()};
}

}  // namespace zentrava::forms
