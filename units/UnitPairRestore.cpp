#include "units/UnitPairRestore.h"

#include <string_view>
#include <utility>

namespace ratio {

namespace {

// Long names that earlier versions stored, and what the catalogue calls the
// same units now, so that a settings file written before a rename restores.
constexpr std::pair<std::string_view, std::string_view> renamedUnits[] = {
    {"Gigibyte (GiB)", "Gibibyte (GiB)"},
};

std::string currentName(const std::string& name) {
    for (const auto& [former, current] : renamedUnits)
        if (name == former)
            return std::string(current);
    return name;
}

// The last position in `category` named `name`.
std::optional<std::size_t> lastMatch(const std::vector<std::string>& category,
                                     const std::string& name) {
    std::optional<std::size_t> found;
    for (std::size_t u = 0; u < category.size(); ++u)
        if (category[u] == name)
            found = u;
    return found;
}

std::optional<UnitPair> findEitherWay(const CatalogueNames& active, const CatalogueNames& british,
                                      const StoredPairNames& stored) {
    if (auto pair = findStoredPair(active, stored.name0, stored.name1))
        return pair;
    return findStoredPair(british, stored.britishName0, stored.britishName1);
}

} // namespace

std::optional<UnitPair> findStoredPair(const CatalogueNames& names, const std::string& storedName0,
                                       const std::string& storedName1) {
    const std::string name0 = currentName(storedName0), name1 = currentName(storedName1);
    if (name0.empty() || name1.empty() || name0 == name1)
        return std::nullopt;
    std::optional<UnitPair> pair;
    for (std::size_t c = 0; c < names.size(); ++c) {
        const auto unit0 = lastMatch(names[c], name0);
        const auto unit1 = lastMatch(names[c], name1);
        if (unit0 && unit1)
            pair = UnitPair{{c, *unit0}, {c, *unit1}};
    }
    return pair;
}

StoredPairLookup lookUpStoredPair(const UnitNameIndex& names, const StoredPairNames& stored) {
    if (auto pair = findEitherWay(names.activeNames(), names.britishNames(), stored))
        return {pair, false};
    const bool awaitsRates = findEitherWay(names.activeNamesWithAllCurrencies(),
                                           names.britishNamesWithAllCurrencies(), stored)
                                 .has_value();
    return {std::nullopt, awaitsRates};
}

std::optional<UnitPair> defaultPair(const UnitCatalogue& catalogue) {
    if (catalogue.size() < 2 || catalogue[1].unitDefinitions.size() < 2)
        return std::nullopt;
    return UnitPair{{1, 0}, {1, 1}};
}

} // namespace ratio
