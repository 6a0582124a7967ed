// Generate, page assembly and the preview file, measured against floors of
// plain file input and output in the same run.
//
//   GeneratePage      every shipped entry: Generate with the form's defaults,
//                     the code window's rewrite and page, temp.htm saved
//   ReadWriteFloor    every shipped entry: read the script file the entry's
//                     Generate reads (if any) and write the same page bytes
//   ListForm/F/N      the menu form F with N entries, Generate to the saved
//                     page, from its shipped script file (TMenuForm1 adds a
//                     line per entry, TMenuForm10 fills numbered slots, the
//                     file given one per entry, TMenuForm12 adds a line per
//                     entry and grows its line 86 once per entry)
//   ListFloor/F/N     writing the bytes of that page
//
// Usage: bench_generate [PROGRAM_DIR] [google benchmark flags]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/registry.h"
#include "errors.h"
#include "heap.h"
#include "list_form.h"
#include "effects/script_lines.h"
#include "output/page.h"
#include "output/preview_file.h"

namespace {

using namespace zentrava;
namespace fs = std::filesystem;

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Plain reading and writing, by the same calls the engine makes.
std::size_t ReadFile(const std::string& path) {
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
    if (!f) return 0;
    std::string text;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) text.append(buffer, got);
    return text.size();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "wb"));
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) throw std::runtime_error(path);
}

struct Shipped {
    Tplugin entry;
    const FormDecl* form;
    FormValues values;
    std::string readsScript;  // the script file its Generate reads, or empty
    std::string pageBytes;    // the preview file it saves
};

struct Setup {
    std::string programDir;
    std::string scratch;
    std::vector<Shipped> entries;
};

Setup& Context() {
    static Setup setup;
    return setup;
}

// Every entry of every catalogue whose form generates, with its defaults.
void LoadLibrary(Setup& s) {
    s.scratch = (fs::temp_directory_path() / ("zentrava-bench-" + std::to_string(::getpid()))).string();
    fs::create_directories(s.scratch);
    for (const Category& c : Categories()) {
        for (const Tplugin& entry : LoadCatalogue(JoinPath(s.programDir, c.fileName))) {
            const FormDecl* form = FormRegistry::Instance().Find(entry.form);
            if (form == nullptr || !form->generate) continue;
            Shipped e{entry, form, DefaultValues(*form), "", ""};
            // Whether Generate reads the script file: it fails without one.
            std::vector<std::string> skeleton;
            TScriptCodeStrings lines;
            try {
                Generate(*form, e.values, entry, s.scratch, skeleton, lines);
            } catch (const EngineError&) {
                e.readsScript = ScriptFilePath(s.programDir, entry);
            }
            try {
                Generate(*form, e.values, entry, s.programDir, skeleton, lines);
            } catch (const EngineError& err) {
                std::cerr << "skipped " << c.fileName << " '" << entry.ename << "': " << err.what() << "\n";
                continue;
            }
            const CodeWindowResult r = ActivateCodeWindow(lines, entry, skeleton);
            SaveLinesToFile(JoinPath(s.scratch, kPreviewFileName), r.page);
            std::unique_ptr<std::FILE, Closer> f(std::fopen(JoinPath(s.scratch, kPreviewFileName).c_str(), "rb"));
            e.pageBytes.resize(fs::file_size(JoinPath(s.scratch, kPreviewFileName)));
            if (std::fread(e.pageBytes.data(), 1, e.pageBytes.size(), f.get()) != e.pageBytes.size()) std::abort();
            s.entries.push_back(std::move(e));
        }
    }
}

void GeneratePage(benchmark::State& state) {
    Setup& s = Context();
    for (auto _ : state) {
        for (const Shipped& e : s.entries) {
            std::vector<std::string> skeleton;
            TScriptCodeStrings lines;
            Generate(*e.form, e.values, e.entry, s.programDir, skeleton, lines);
            SavePreviewFile(s.scratch, ActivateCodeWindow(lines, e.entry, skeleton).page);
        }
    }
    state.counters["entries"] = static_cast<double>(s.entries.size());
}

void ReadWriteFloor(benchmark::State& state) {
    Setup& s = Context();
    const std::string preview = JoinPath(s.scratch, kPreviewFileName);
    for (auto _ : state) {
        for (const Shipped& e : s.entries) {
            if (!e.readsScript.empty()) benchmark::DoNotOptimize(ReadFile(e.readsScript));
            WriteFile(preview, e.pageBytes);
        }
    }
}

struct ListCase {
    const FormDecl* form;
    Tplugin entry;  // its script names the template; "-<N>" is added per size
};

FormValues LongLists(const FormDecl& form, long n) {
    FormValues values = DefaultValues(form);
    testing::FillLists(form, values, n);
    return values;
}

Tplugin SizedEntry(const ListCase& c, long n) {
    Tplugin entry = c.entry;
    entry.script += "-" + std::to_string(n);
    return entry;
}

void ListForm(benchmark::State& state, const ListCase* c) {
    const long n = state.range(0);
    const FormValues values = LongLists(*c->form, n);
    const Tplugin entry = SizedEntry(*c, n);
    for (auto _ : state) {
        std::vector<std::string> skeleton;
        TScriptCodeStrings lines;
        Generate(*c->form, values, entry, Context().scratch, skeleton, lines);
        SavePreviewFile(Context().scratch, ActivateCodeWindow(lines, entry, skeleton).page);
    }
    state.SetComplexityN(n);
}

void ListFloor(benchmark::State& state, const ListCase* c) {
    const long n = state.range(0);
    const FormValues values = LongLists(*c->form, n);
    const Tplugin entry = SizedEntry(*c, n);
    const std::string preview = JoinPath(Context().scratch, kPreviewFileName);
    std::vector<std::string> skeleton;
    TScriptCodeStrings lines;
    Generate(*c->form, values, entry, Context().scratch, skeleton, lines);
    SaveLinesToFile(preview, ActivateCodeWindow(lines, entry, skeleton).page);
    std::string bytes(fs::file_size(preview), '\0');
    {
        std::unique_ptr<std::FILE, Closer> f(std::fopen(preview.c_str(), "rb"));
        if (std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) std::abort();
    }
    for (auto _ : state) WriteFile(preview, bytes);
    state.SetComplexityN(n);
}

// The shipped template of a menu form, as the scratch copy "<script>-<n>"
// that n entries need: the slots of TMenuForm10 stretched to n.
void WriteSizedTemplate(const Setup& s, const ListCase& c, long n) {
    TScriptCodeStrings lines;
    lines.LoadFromFile(ScriptFilePath(s.programDir, c.entry));
    std::vector<std::string> out = lines.Lines();
    if (c.form->className == "TMenuForm10") {
        constexpr long kFirstSlot = 38;
        long slots = 0;
        while (kFirstSlot + slots < static_cast<long>(out.size()) && out[kFirstSlot + slots] == out[kFirstSlot]) ++slots;
        if (slots < n) out.insert(out.begin() + kFirstSlot, static_cast<std::size_t>(n - slots), out[kFirstSlot]);
    }
    std::string text;
    for (const std::string& line : out) text += line + "\r\n";
    WriteFile(JoinPath(s.scratch, SizedEntry(c, n).script + ".dat"), text);
}

// Keeps the wall time per iteration of every benchmark, by name, for the
// ratios: the median of the repetitions when there are several.
class Collector : public benchmark::ConsoleReporter {
public:
    Collector() : ConsoleReporter(OO_Tabular) {}
    std::map<std::string, double> seconds;     // wall time
    std::map<std::string, double> cpuSeconds;  // processor time of this process
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.iterations <= 0) continue;
            const double n = static_cast<double>(r.iterations);
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.run_type == Run::RT_Iteration || median) {
                if (median || !seconds.count(r.run_name.str())) {
                    seconds[r.run_name.str()] = r.real_accumulated_time / n;
                    cpuSeconds[r.run_name.str()] = r.cpu_accumulated_time / n;
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void Ratio(const std::string& what, double value, const std::string& target) {
    std::printf("RATIO %-58s %7.2f  %s\n", what.c_str(), value, target.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    KeepFreedMemoryForReuse();  // as the programs run
    Setup& s = Context();
    s.programDir = ZENTRAVA_BIN_DIR;
    if (argc > 1 && std::strncmp(argv[1], "--", 2) != 0) {
        s.programDir = argv[1];
        for (int i = 1; i + 1 < argc; ++i) argv[i] = argv[i + 1];
        --argc;
    }
    LoadLibrary(s);
    if (s.entries.empty()) {
        std::cerr << "no entry to generate in " << s.programDir << "\n";
        return 1;
    }
    std::printf("%zu shipped entries from %s\n", s.entries.size(), s.programDir.c_str());
    std::fflush(stdout);

    benchmark::RegisterBenchmark("GeneratePage", GeneratePage)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ReadWriteFloor", ReadWriteFloor)->Unit(benchmark::kMicrosecond);

    // The menu forms at 10,000 and 100,000 entries, from their shipped entries.
    std::vector<std::unique_ptr<ListCase>> cases;
    const std::vector<long> sizes = {10000, 100000};
    for (const char* name : {"TMenuForm1", "TMenuForm10", "TMenuForm12"}) {
        auto shipped = std::find_if(s.entries.begin(), s.entries.end(),
                                    [&](const Shipped& e) { return e.form->className == name; });
        if (shipped == s.entries.end()) {
            std::cerr << "no shipped entry for " << name << "\n";
            continue;
        }
        cases.push_back(std::make_unique<ListCase>(ListCase{shipped->form, shipped->entry}));
        for (long n : sizes) WriteSizedTemplate(s, *cases.back(), n);
    }
    for (const auto& c : cases) {
        benchmark::RegisterBenchmark(("ListForm/" + c->form->className).c_str(), ListForm, c.get())
            ->Arg(10000)->Arg(100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("ListFloor/" + c->form->className).c_str(), ListFloor, c.get())
            ->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
    }

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);

    auto& t = collector.seconds;
    std::printf("\n");
    if (t.count("GeneratePage") && t.count("ReadWriteFloor")) {
        Ratio("Generate + page + saved preview / read+write floor", t["GeneratePage"] / t["ReadWriteFloor"],
              "(target <= 3)");
        Ratio("  the same in CPU time", collector.cpuSeconds["GeneratePage"] / collector.cpuSeconds["ReadWriteFloor"], "");
    }
    for (const auto& c : cases) {
        const std::string& name = c->form->className;
        const std::string form = "ListForm/" + name + "/";
        const std::string floor = "ListFloor/" + name + "/";
        if (!t.count(form + "10000") || !t.count(form + "100000")) continue;
        // Linear growth keeps the cost per entry flat; processor time leaves
        // out the disk's own pace.
        auto& cpu = collector.cpuSeconds;
        Ratio(name + ": CPU per entry at 100k / at 10k", (cpu[form + "100000"] / 100000) / (cpu[form + "10000"] / 10000),
              "(target <= 1.3)");
        Ratio(name + ": wall per entry at 100k / at 10k", (t[form + "100000"] / 100000) / (t[form + "10000"] / 10000), "");
        Ratio(name + ": 100k entries / write floor", t[form + "100000"] / t[floor + "100000"], "(target <= 3)");
        Ratio(name + ": 10k entries / write floor", t[form + "10000"] / t[floor + "10000"], "");
    }
    std::error_code ec;
    fs::remove_all(s.scratch, ec);
    benchmark::Shutdown();
    return 0;
}
