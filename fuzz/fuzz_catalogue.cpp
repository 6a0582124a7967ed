// Fuzzes the profile reader through LoadCatalogue on a real file: any bytes
// must load without a fault, within the reader's limits, and the same way
// from the file as from memory.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/plugin.h"
#include "catalogue/profile.h"
#include "scratch.h"

using namespace zentrava;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::Scratch::Get().Write("fuzz.ini", data, size);
    const CatalogueList list = LoadCatalogue(path);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ProfileFile parsed = ProfileFile::Parse(text);

    // One record per listed section, and the list within its limit.
    if (list.size() != parsed.SectionNames().size()) std::abort();
    std::size_t listed = 0;
    for (const std::string& name : parsed.SectionNames()) listed += name.size() + 1;
    if (listed > ProfileFile::kSectionListLimit) std::abort();

    for (std::size_t i = 0; i < list.size(); ++i) {
        const Tplugin& p = list[i];
        for (const std::string* field : {&p.category, &p.gbname, &p.bigname, &p.ename, &p.form, &p.script,
                                         &p.background, &p.onload, &p.onunload, &p.onscroll, &p.onresize}) {
            // A value is one line, cut at the length limit.
            if (field->size() > ProfileFile::kMaxValueLength) std::abort();
            if (field->find_first_of("\r\n") != std::string::npos) std::abort();
        }
        // The file and the same text in memory read alike.
        const std::string& section = parsed.SectionNames()[i];
        if (parsed.ReadString(section, "ename", "") != p.ename) std::abort();
        if (parsed.ReadString(section, "background", "#FFFFFF") != p.background) std::abort();
    }
    return 0;
}
