#include "effects/registry.h"

#include "effects/forms.h"
#include "errors.h"

namespace zentrava {

const FormRegistry& FormRegistry::Instance() {
    static const FormRegistry registry = [] {
        FormRegistry r;
        using namespace forms;
        // The order in which the classes are registered.
        for (auto declare : {NoParamForm, MDIChild, WelcomeForm}) r.Register(declare());
        for (FormDecl& f : ImageForms()) r.Register(std::move(f));
        for (auto declare : {OtherForm1, OtherForm2}) r.Register(declare());
        for (FormDecl& f : TimeForms()) r.Register(std::move(f));
        for (FormDecl& f : PageForms()) r.Register(std::move(f));
        for (auto declare : {MouseForm1, MouseForm2, MouseForm3, MouseForm6, MouseForm8, MouseForm12,
                             MouseForm16, MouseForm17, MouseForm18, MouseForm19, MouseForm21}) {
            r.Register(declare());
        }
        for (FormDecl& f : MenuForms()) r.Register(std::move(f));
        for (FormDecl& f : TextForms()) r.Register(std::move(f));
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
