// The registered form classes, found by name as the catalogue's form value names them.
#pragma once

#include <string>
#include <vector>

#include "effects/form.h"

namespace zentrava {

// The form that edits an entry: its registered class, or, for an entry of
// the generic parameter form, the form its script file's parameter block
// declares (a fault of the block raises EngineError with file and line).
// Null when no class has the entry's form name. The form stays valid for the
// life of the program.
const FormDecl* FormForEntry(const Tplugin& entry, const std::string& programDir);

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
