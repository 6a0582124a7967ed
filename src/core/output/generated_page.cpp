#include "output/generated_page.h"

#include "errors.h"
#include "output/save_page.h"

namespace zentrava {

GeneratedPage AssemblePage(TScriptCodeStrings& lines, const Tplugin& entry, std::vector<std::string>& skeleton) {
    GeneratedPage page;
    page.scriptCut = lines.LoadedFileCut();
    page.view = ActivateCodeWindow(lines, entry, skeleton);
    page.localFiles = LocalReferences(page.view.page);
    return page;
}

GeneratedPage MakePage(const FormDecl& form, const FormValues& values, const Tplugin& entry,
                       const std::string& programDir, RawLines raw) {
    if (!form.generate) throw EngineError("The entry '" + entry.ename + "' cannot generate");
    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    Generate(form, values, entry, programDir, skeleton, lines);
    std::vector<std::string> rawLines;
    if (raw == RawLines::Keep) rawLines = lines.Lines();
    GeneratedPage page = AssemblePage(lines, entry, skeleton);
    page.raw = std::move(rawLines);
    return page;
}

}  // namespace zentrava
