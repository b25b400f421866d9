#include "units/HistoryEntry.h"

namespace ratio {

namespace {

std::string britishName(const UnitNameIndex& names, const UnitPosition& position) {
    const CatalogueNames& british = names.britishNames();
    if (position.category >= british.size() || position.unit >= british[position.category].size())
        return {};
    return british[position.category][position.unit];
}

} // namespace

HistoryPair historyPair(const UnitNameIndex& names, const UnitCatalogue& catalogue,
                        const UnitPair& pair) {
    HistoryPair named{britishName(names, pair.unit0), britishName(names, pair.unit1), {}};
    if (pair.unit0.category < catalogue.size())
        named.ratesDay = catalogue[pair.unit0.category].ratesDay;
    return named;
}

} // namespace ratio
