// Fuzzes the script-line loader: a script file of any bytes loads into lines
// that hold no line breaks and no NUL, that put back together give the text
// up to its first NUL, and that the preview file writes and reads back alike.
// Index operations out of range raise the engine's error, nothing worse.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "effects/script_lines.h"
#include "errors.h"
#include "output/page.h"
#include "scratch.h"

using namespace zentrava;

namespace {

// The text as its lines stand: cut at the first NUL, every line end made
// LF, and a final line end dropped.
std::string Normalised(std::string_view text) {
    if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    if (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Scratch& scratch = fuzz::Scratch::Get();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TScriptCodeStrings lines;
    lines.LoadFromFile(scratch.Write("fuzz.dat", data, size));

    if (lines.Lines() != SplitLines(text)) std::abort();
    for (const std::string& line : lines.Lines()) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
    }
    // An empty last line and no line at all both join to "".
    const std::string joined = JoinLines(lines.Lines());
    if (joined != Normalised(text) && !(lines.Count() == 1 && lines.Get(0).empty() && joined.empty())) std::abort();

    // The preview file keeps the lines as they are.
    const std::string saved = scratch.File("fuzz.htm");
    SaveLinesToFile(saved, lines.Lines());
    TScriptCodeStrings back;
    back.LoadFromFile(saved);
    if (back.Lines() != lines.Lines()) std::abort();

    // Indices taken from the data, in and out of range.
    for (std::size_t i = 0; i + 1 < size && i < 16; i += 2) {
        const long long index = static_cast<signed char>(data[i]);
        const int operation = data[i + 1] % 4;
        const long long count = static_cast<long long>(lines.Count());
        const bool valid = index >= 0 && (index < count || (operation == 3 && index == count));
        bool raised = false;
        try {
            switch (operation) {
                case 0: (void)lines.Get(index); break;
                case 1: lines.Put(index, "x"); break;
                case 2: lines.Delete(index); break;
                default: lines.Insert(index, "y"); break;
            }
        } catch (const EngineError&) {
            raised = true;
        }
        if (raised == valid) std::abort();
    }
    return 0;
}
