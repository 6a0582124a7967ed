// One call from a form's values to the page: Generate, the code window's
// page around the script, and the local files that page names. The command
// line, the gallery, the code window, the live preview and the insertion into
// a page all make their page through it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/form.h"
#include "effects/script_lines.h"
#include "output/page.h"

namespace zentrava {

struct GeneratedPage {
    CodeWindowResult view;                 // the page view, and where the script view lies in it
    std::vector<std::string> localFiles;   // LocalReferences of the page: what a save copies beside it
    std::vector<std::string> raw;          // the script lines as Generate left them, when asked for
    bool scriptCut = false;                // the script file held a NUL character; it ends there

    const std::vector<std::string>& Page() const { return view.page; }
    std::span<const std::string> Script() const { return view.Script(); }
};

// The page of lines Generate has written into `lines` on `skeleton`: the
// script header rewritten, the page assembled and its local files found.
// Both are taken over (moved) and left empty.
GeneratedPage AssemblePage(TScriptCodeStrings& lines, const Tplugin& entry, std::vector<std::string>& skeleton);

// Whether MakePage keeps a copy of the script lines as Generate left them.
enum class RawLines { Drop, Keep };

// Generates the entry with these values and assembles its page. Raises
// EngineError as Generate does; a form without Generate raises "The entry
// '<ename>' cannot generate".
GeneratedPage MakePage(const FormDecl& form, const FormValues& values, const Tplugin& entry,
                       const std::string& programDir, RawLines raw = RawLines::Drop);

}  // namespace zentrava
