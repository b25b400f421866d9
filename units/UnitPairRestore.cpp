#include "units/UnitPairRestore.h"

#include "units/CurrencyRates.h"
#include "units/UnitCatalogueBuilder.h"

#include <algorithm>
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

// The line for the first stored currency that the catalogue lacks.
std::string missingCurrencyLine(const UnitNameIndex& names, const StoredPairNames& stored) {
    const std::vector<std::string>& all = names.activeNamesWithAllCurrencies().front();
    const std::vector<std::string>& british = names.britishNamesWithAllCurrencies().front();
    const std::vector<std::string>& present = names.activeNames().front();
    for (std::size_t row = 0; row < all.size() && row < currencyTable().size(); ++row) {
        const bool stored0 = all[row] == stored.name0 || british[row] == stored.britishName0;
        const bool stored1 = all[row] == stored.name1 || british[row] == stored.britishName1;
        if ((stored0 || stored1) &&
            std::find(present.begin(), present.end(), all[row]) == present.end())
            return missingRateLine(all[row], currencyTable()[row].shortName);
    }
    return {};
}

// Once `ratesArrived`, a currency they did not bring is not waited for any longer.
StoredPairLookup lookUpWithBritishNames(const UnitNameIndex& names, const StoredPairNames& stored,
                                        bool ratesArrived) {
    if (auto pair = findEitherWay(names.activeNames(), names.britishNames(), stored))
        return {pair, false, {}};
    const bool awaitsRates = findEitherWay(names.activeNamesWithAllCurrencies(),
                                           names.britishNamesWithAllCurrencies(), stored)
                                 .has_value();
    if (awaitsRates && ratesArrived)
        return {std::nullopt, false, missingCurrencyLine(names, stored)};
    return {std::nullopt, awaitsRates, {}};
}

// The stored names with the British names of the same units, found in the
// British names themselves or else in the catalogue of any language that
// holds both in one category; unchanged when none does.
StoredPairNames withBritishNames(StoredPairNames stored, const UnitNameIndex& names) {
    if (findStoredPair(names.britishNamesWithAllCurrencies(), stored.name0, stored.name1)) {
        stored.britishName0 = stored.name0;
        stored.britishName1 = stored.name1;
        return stored;
    }
    const LocalizedStrings& british = Localization::sharedBritishStrings();
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        const auto strings = Localization::makeStrings(language);
        UnitCatalogue catalogue;
        buildUnitCatalogue(catalogue, *strings, language, british);
        const UnitNameIndex other(catalogue, *strings, language, british);
        const CatalogueNames& otherBritish = other.britishNamesWithAllCurrencies();
        if (auto pair =
                findStoredPair(other.activeNamesWithAllCurrencies(), stored.name0, stored.name1)) {
            stored.britishName0 = otherBritish[pair->unit0.category][pair->unit0.unit];
            stored.britishName1 = otherBritish[pair->unit1.category][pair->unit1.unit];
            return stored;
        }
    }
    return stored;
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

StoredPairLookup lookUpStoredPair(const UnitNameIndex& names, const StoredPairNames& stored,
                                  bool ratesArrived) {
    // Settings written before the British names were kept have only the
    // names of the language of their run, which may not be this run's.
    const bool older = stored.britishName0.empty() && stored.britishName1.empty();
    if (older && !findStoredPair(names.activeNamesWithAllCurrencies(), stored.name0, stored.name1))
        return lookUpWithBritishNames(names, withBritishNames(stored, names), ratesArrived);
    return lookUpWithBritishNames(names, stored, ratesArrived);
}

std::optional<UnitPair> defaultPair(const UnitCatalogue& catalogue) {
    if (catalogue.size() < 2 || catalogue[1].unitDefinitions.size() < 2)
        return std::nullopt;
    return UnitPair{{1, 0}, {1, 1}};
}

} // namespace ratio
