// Finding an effect by any of its names across the eight catalogues.
#pragma once

#include <string>
#include <vector>

#include "catalogue/plugin.h"

namespace zentrava {

// Text folded for searching: Unicode case folding with accents and other
// combining marks removed, so "CAFÉ" and "cafe" meet. Bytes that are not
// UTF-8 are folded as ASCII and otherwise kept.
std::string FoldForSearch(const std::string& text);

struct SearchHit {
    std::size_t category = 0;  // index into Categories()
    std::size_t index = 0;     // the entry's line in its category's list
    Tplugin entry;
};

// The catalogues of the eight categories, in toolbar order, read from the
// program directory now (a missing one is empty).
std::vector<CatalogueList> LoadAllCatalogues(const std::string& programDir);

// Every entry whose English, simplified-Chinese or traditional-Chinese name
// contains the text, folded; in toolbar order, each category in file order.
// An empty text finds nothing.
std::vector<SearchHit> FindEffects(const std::vector<CatalogueList>& catalogues, const std::string& text);

}  // namespace zentrava
