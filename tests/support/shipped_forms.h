// The registered forms and the shipped effect library, as the form tests
// of every category reach them.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/form.h"
#include "effects/registry.h"
#include "errors.h"

namespace zentrava::testing {

// The program directory's data as shipped (data/ in the sources).
inline const std::string kData = ZENTRAVA_DATA_DIR;

inline const FormDecl& Form(const std::string& name) {
    const FormDecl* f = FormRegistry::Instance().Find(name);
    if (!f) throw std::runtime_error("unregistered " + name);
    return *f;
}

// The entry of a shipped catalogue ("menu.ini") whose form is `className`.
inline Tplugin ShippedEntry(const std::string& catalogue, const std::string& className) {
    for (const Tplugin& p : LoadCatalogue(kData + "/" + catalogue)) {
        if (EqualsIgnoreCase(p.form, className)) return p;
    }
    ADD_FAILURE() << catalogue << " has no entry for " << className;
    return {};
}

// The script lines as Generate leaves them.
inline std::vector<std::string> GenerateRaw(const std::string& className, const FormValues& values,
                                            const Tplugin& entry, const std::string& dir = kData) {
    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    Generate(Form(className), values, entry, dir, skeleton, lines);
    return lines.Lines();
}

// What one Generate left: the script lines, the page skeleton and the error
// text, empty when it succeeded. `before` is what the script lines held.
struct Outcome {
    std::vector<std::string> lines, skeleton;
    std::string error;
};

inline Outcome GenerateCaught(const std::string& className, const FormValues& values, const Tplugin& entry,
                              const std::string& dir = kData, std::vector<std::string> before = {}) {
    Outcome run;
    TScriptCodeStrings lines;
    for (std::string& l : before) lines.Add(std::move(l));
    try {
        Generate(Form(className), values, entry, dir, run.skeleton, lines);
    } catch (const EngineError& e) {
        run.error = e.what();
    }
    run.lines = lines.Lines();
    return run;
}

inline std::vector<std::string> FileLines(const std::string& path) {
    TScriptCodeStrings lines;
    lines.LoadFromFile(path);
    return lines.Lines();
}

}  // namespace zentrava::testing
