// Fuzzes Generate of every registered form: fuzzed control values, a fuzzed
// catalogue entry and a fuzzed script file (or none), then the code window's
// rewrite, the page and the preview file. A failure must be the engine's own
// error with the lines left as the error found them; a success must give a
// whole page, with the lines a generator added to the skeleton kept before
// the script. Before the first input every registered form runs once with
// its defaults and once with 40 entries in each list, so no form (a list or
// skeleton form of any category) goes unchecked however the inputs fall.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "effects/params.h"
#include "effects/registry.h"
#include "errors.h"
#include "output/page.h"
#include "scratch.h"

using namespace zentrava;

namespace {

bool IsList(const ControlDecl& c) { return c.kind == ControlKind::ListBox || c.kind == ControlKind::ListView; }

// Generates and checks the invariants; aborts on a broken one.
void GenerateAndCheck(const fuzz::Scratch& scratch, const FormDecl& form, const FormValues& values,
                      const Tplugin& entry) {
    const std::string scriptPath = scratch.File("effect.dat");
    const std::vector<std::string> before{"line left from the last Generate"};
    TScriptCodeStrings lines(before);
    std::vector<std::string> skeleton{"skeleton left from the last Generate"};
    const std::vector<std::string> fresh = BuildPageSkeleton(entry);
    try {
        Generate(form, values, entry, scratch.Dir(), skeleton, lines);
    } catch (const EngineError& e) {
        const std::string message = e.what();
        // The skeleton is rebuilt before the script lines are touched, and a
        // failed Generate adds nothing to it.
        if (skeleton != fresh) std::abort();
        if (message == "Cannot open file " + scriptPath) {
            if (lines.Lines() != before) std::abort();  // a file that fails to open changes nothing
        } else if (message.rfind("List index out of bounds (", 0) != 0 &&
                   !(form.className == kParamFormClass && message.rfind(scriptPath + ":", 0) == 0)) {
            // Only a form that reads its parameters from the script may fault
            // on the file, and then it names the file and the line.
            std::abort();
        }
        return;
    }
    if (!form.generate && lines.Lines() != before) std::abort();
    // What a generator adds to the skeleton comes after the rebuilt one.
    if (skeleton.size() < fresh.size() || !std::equal(fresh.begin(), fresh.end(), skeleton.begin())) std::abort();

    const std::size_t scriptCount = lines.Count();
    const std::size_t skeletonSize = skeleton.size();
    // The header rewrite, step by step as the code window describes it.
    TScriptCodeStrings stepwise(lines.Lines());
    for (int i = 0; i < 2 && stepwise.Count() > 0; ++i) stepwise.Delete(0);
    stepwise.Insert(0, "");
    if (!entry.onload.empty()) stepwise.Insert(0, "<!-- Insert onload=\"" + entry.onload + "\" into <Body> tag -->");
    stepwise.Insert(0, kBodyHeaderComment);
    if (stepwise.Count() >= 6 && stepwise.Get(5).empty()) stepwise.Delete(5);
    CodeWindowResult result = ActivateCodeWindow(lines, entry, skeleton);
    if (!std::equal(result.Script().begin(), result.Script().end(), stepwise.Lines().begin(), stepwise.Lines().end()))
        std::abort();
    if (result.page.size() != skeletonSize + 1 + result.Script().size() + 2) std::abort();
    if (result.Script().empty() || result.Script().front() != kBodyHeaderComment) std::abort();
    if (result.Script().size() > std::max<std::size_t>(scriptCount, 2) + 1) std::abort();
    if (result.page.front() != "<Html>" || result.page.back() != "</Html>") std::abort();

    SaveLinesToFile(scratch.File("temp.htm"), result.page);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const fuzz::Scratch& scratch = fuzz::Scratch::Get();
    std::string script;
    for (int n = 0; n < 400; ++n) script += "// script line " + std::to_string(n) + "\r\n";
    scratch.Write("effect.dat", script);
    Tplugin entry;
    entry.ename = "Every form";
    entry.script = "effect";
    std::size_t count = 0;
    for (const FormDecl& form : FormRegistry::Instance().All()) {
        FormValues values = DefaultValues(form);
        GenerateAndCheck(scratch, form, values, entry);
        for (const ControlDecl& c : form.controls) {
            if (!IsList(c)) continue;
            const std::size_t columns = c.kind == ControlKind::ListView ? c.columns.size() : 1;
            auto& entries = values[c.name].entries;
            for (int n = 0; n < 40; ++n) entries.push_back(ListEntry(columns, "entry " + std::to_string(n)));
        }
        GenerateAndCheck(scratch, form, values, entry);
        ++count;
    }
    std::fprintf(stderr, "fuzz_generate: %zu registered forms generated with their defaults and long lists\n", count);
    return 0;
}

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
        if (IsList(c)) {
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
    if (in.ConsumeBool()) {
        scratch.Write("effect.dat", in.ConsumeRemainingBytesAsString());
    } else {
        std::remove(scratch.File("effect.dat").c_str());
    }
    GenerateAndCheck(scratch, form, values, entry);
    return 0;
}
