// The registered form classes, found by name as the catalogue's form value names them.
#pragma once

#include <string>
#include <vector>

#include "effects/form.h"

namespace zentrava {

class FormRegistry {
public:
    // Every form class, registered once in its fixed order.
    static const FormRegistry& Instance();

    // The form registered under a class name, letter case ignored; null if none.
    const FormDecl* Find(const std::string& className) const;
    const std::vector<FormDecl>& All() const { return forms_; }

    void Register(FormDecl form);

private:
    std::vector<FormDecl> forms_;
};

}  // namespace zentrava
