#include "effects/registry.h"

#include "effects/forms.h"
#include <map>
#include <memory>
#include <mutex>

#include "effects/params.h"
#include "effects/script_lines.h"
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

namespace zentrava {

const FormDecl* FormForEntry(const Tplugin& entry, const std::string& programDir) {
    // A form its script declares needs none of the registered ones: the
    // program's first entry opens without building them all.
    if (!EqualsIgnoreCase(entry.form, kParamFormClass)) return FormRegistry::Instance().Find(entry.form);
    const std::string path = ScriptFilePath(programDir, entry);
    if (!ScriptNameStaysInside(entry.script)) {
        throw EngineError("The script name '" + entry.script + "' leads outside its folder");
    }
    TScriptCodeStrings lines;
    lines.LoadFromFile(path);
    const ParamBlock block = ParseParamBlock(lines.Lines(), path);
    // One form per distinct block, kept for the program's life: forms hand
    // out references to their declaration.
    std::string key = path;
    for (std::size_t i = 0; i < block.lines; ++i) key += '\n' + lines.Lines()[i];
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<FormDecl>> built;
    const std::lock_guard<std::mutex> lock(mutex);
    std::unique_ptr<FormDecl>& form = built[key];
    if (!form) form = std::make_unique<FormDecl>(ParamForm(block));
    return form.get();
}

}  // namespace zentrava
