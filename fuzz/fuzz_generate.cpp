// Fuzzes Generate of every registered form: fuzzed control values, a fuzzed
// catalogue entry and a fuzzed script file (or none), then the code window's
// rewrite, the page and the preview file. A failure must be the engine's own
// error with the lines left as the error found them; a success must give a
// whole page.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "effects/registry.h"
#include "errors.h"
#include "output/page.h"
#include "scratch.h"

using namespace zentrava;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Scratch& scratch = fuzz::Scratch::Get();
    FuzzedDataProvider in(data, size);
    const auto& forms = FormRegistry::Instance().All();
    const FormDecl& form = forms[in.ConsumeIntegralInRange<std::size_t>(0, forms.size() - 1)];

    FormValues values = DefaultValues(form);
    for (const ControlDecl& c : form.controls) {
        if (c.kind == ControlKind::Button || c.kind == ControlKind::Label || !in.ConsumeBool()) continue;
        ControlValue& v = values[c.name];
        v.text = in.ConsumeRandomLengthString(256);
        v.color = in.ConsumeIntegral<TColor>();
        if (c.kind == ControlKind::ListBox || c.kind == ControlKind::ListView) {
            v.entries.clear();
            const std::size_t columns = c.kind == ControlKind::ListView ? c.columns.size() : 1;
            for (int n = in.ConsumeIntegralInRange(0, 40); n > 0; --n) {
                ListEntry entry;
                for (std::size_t col = 0; col < columns; ++col) entry.push_back(in.ConsumeRandomLengthString(64));
                v.entries.push_back(std::move(entry));
            }
        }
    }

    Tplugin entry;
    entry.ename = in.ConsumeRandomLengthString(64);
    entry.background = in.ConsumeRandomLengthString(16);
    entry.onload = in.ConsumeBool() ? in.ConsumeRandomLengthString(32) : "";
    entry.script = "effect";
    const std::string scriptPath = scratch.File("effect.dat");
    const bool hasScript = in.ConsumeBool();
    if (hasScript) {
        scratch.Write("effect.dat", in.ConsumeRemainingBytesAsString());
    } else {
        std::remove(scriptPath.c_str());
    }

    const std::vector<std::string> before{"line left from the last Generate"};
    TScriptCodeStrings lines(before);
    std::vector<std::string> skeleton{"skeleton left from the last Generate"};
    try {
        Generate(form, values, entry, scratch.Dir(), skeleton, lines);
    } catch (const EngineError& e) {
        const std::string message = e.what();
        // The skeleton is rebuilt before the script lines are touched.
        if (skeleton != BuildPageSkeleton(entry)) std::abort();
        if (message == "Cannot open file " + scriptPath) {
            if (lines.Lines() != before) std::abort();  // a file that fails to open changes nothing
        } else if (message.rfind("List index out of bounds (", 0) != 0) {
            std::abort();
        }
        return 0;
    }
    if (!form.generate && lines.Lines() != before) std::abort();

    const std::size_t scriptCount = lines.Count();
    CodeWindowResult result = ActivateCodeWindow(lines, entry, skeleton);
    if (result.page.size() != 5 + 1 + result.script.size() + 2) std::abort();
    if (result.script.empty() || result.script.front() != kBodyHeaderComment) std::abort();
    if (result.script.size() > std::max<std::size_t>(scriptCount, 2) + 1) std::abort();
    if (result.page.front() != "<Html>" || result.page.back() != "</Html>") std::abort();

    SaveLinesToFile(scratch.File("temp.htm"), result.page);
    return 0;
}
