#include "effects/registry.h"

#include "effects/forms.h"
#include "errors.h"

namespace zentrava {

const FormRegistry& FormRegistry::Instance() {
    static const FormRegistry registry = [] {
        FormRegistry r;
        // The categories in the order in which their classes are registered.
        for (auto list : {forms::FrameworkForms, forms::ImageForms, forms::OtherForms, forms::TimeForms,
                          forms::PageForms, forms::MouseForms, forms::MenuForms, forms::TextForms}) {
            for (FormDecl& f : list()) r.Register(std::move(f));
        }
        return r;
    }();
    return registry;
}

const FormDecl* FormRegistry::Find(const std::string& className) const {
    for (const FormDecl& f : forms_) {
        if (EqualsIgnoreCase(f.className, className)) return &f;
    }
    return nullptr;
}

void FormRegistry::Register(FormDecl form) { forms_.push_back(std::move(form)); }

}  // namespace zentrava
