#include "effects/registry.h"

#include "effects/forms.h"
#include "errors.h"

namespace zentrava {

const FormRegistry& FormRegistry::Instance() {
    static const FormRegistry registry = [] {
        FormRegistry r;
        using namespace forms;
        // The order in which the classes are registered.
        for (auto declare : {NoParamForm, MDIChild, WelcomeForm, OtherForm1, OtherForm2, MouseForm1,
                             MouseForm2, MouseForm3, MouseForm6, MouseForm8, MouseForm12, MouseForm16,
                             MouseForm17, MouseForm18, MouseForm19, MouseForm21}) {
            r.Register(declare());
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
