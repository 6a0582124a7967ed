#include "catalogue/search.h"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>

#include "errors.h"

namespace zentrava {

std::string FoldForSearch(const std::string& text) {
    utf8proc_uint8_t* folded = nullptr;
    const auto options = static_cast<utf8proc_option_t>(UTF8PROC_DECOMPOSE | UTF8PROC_COMPAT | UTF8PROC_CASEFOLD |
                                                        UTF8PROC_STRIPMARK | UTF8PROC_IGNORE);
    const utf8proc_ssize_t n =
        utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
                     static_cast<utf8proc_ssize_t>(text.size()), &folded, options);
    if (n < 0) return LowerAscii(text);  // not UTF-8 (a catalogue in a legacy code page)
    std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owner(folded, &std::free);
    return std::string(reinterpret_cast<const char*>(folded), static_cast<std::size_t>(n));
}

std::vector<CatalogueList> LoadAllCatalogues(const std::string& programDir) {
    std::vector<CatalogueList> all;
    for (const Category& c : Categories()) all.push_back(LoadCategoryEntries(programDir, c, UserEffectsDir()));
    return all;
}

std::vector<SearchHit> FindEffects(const std::vector<CatalogueList>& catalogues, const std::string& text) {
    std::vector<SearchHit> hits;
    const std::string needle = FoldForSearch(text);
    if (needle.empty()) return hits;
    for (std::size_t c = 0; c < catalogues.size(); ++c) {
        const CatalogueList& list = catalogues[c];
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Tplugin& p = list[i];
            for (const std::string* name : {&p.ename, &p.gbname, &p.bigname}) {
                if (FoldForSearch(*name).find(needle) != std::string::npos) {
                    hits.push_back({c, i, p});
                    break;
                }
            }
        }
    }
    return hits;
}

}  // namespace zentrava
