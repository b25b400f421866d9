#include "units/UnitNameIndex.h"

#include "units/CurrencyRates.h"
#include "units/UnitCatalogueBuilder.h"

#include <algorithm>
#include <utility>

namespace ratio {

namespace {

// A currency's long name as the catalogue shows it (with its short name
// appended when the table's text has none).
std::string currencyLongName(const CurrencyTableRow& row, const LocalizedStrings& strings) {
    return UnitDefinition(row.shortName, strings.*row.longName, false, -1, {}).longName;
}

std::vector<std::string> tableCurrencies(const LocalizedStrings& strings) {
    std::vector<std::string> names;
    for (const CurrencyTableRow& row : currencyTable())
        names.push_back(currencyLongName(row, strings));
    return names;
}

// The British name of each currency unit, found through the table by its
// name in the active language.
std::vector<std::string> britishCurrencies(const std::vector<std::string>& shown,
                                           const std::vector<std::string>& activeTable,
                                           const std::vector<std::string>& britishTable) {
    std::vector<std::string> names;
    for (const std::string& name : shown) {
        const auto row = std::find(activeTable.begin(), activeTable.end(), name);
        names.push_back(row == activeTable.end() ? std::string()
                                                 : britishTable[row - activeTable.begin()]);
    }
    return names;
}

} // namespace

CatalogueNames longNames(const UnitCatalogue& catalogue) {
    CatalogueNames names;
    for (const Category& category : catalogue) {
        names.emplace_back();
        for (const UnitDefinition& unit : category.unitDefinitions)
            names.back().push_back(unit.longName);
    }
    return names;
}

UnitNameIndex::UnitNameIndex(const UnitCatalogue& catalogue, const LocalizedStrings& strings,
                             Language language, const LocalizedStrings& britishStrings)
    : active(longNames(catalogue)) {
    // Built with the active language's rules, so the same units stand at
    // the same positions; only their names differ.
    UnitCatalogue twin;
    buildUnitCatalogue(twin, britishStrings, language, britishStrings);
    british = longNames(twin);
    british.resize(active.size());
    for (std::size_t c = 0; c < active.size(); ++c)
        british[c].resize(active[c].size());
    if (active.empty())
        return;
    const std::vector<std::string> activeTable = tableCurrencies(strings);
    const std::vector<std::string> britishTable = tableCurrencies(britishStrings);
    british[0] = britishCurrencies(active[0], activeTable, britishTable);
    activeComplete = active;
    britishComplete = british;
    activeComplete[0] = activeTable;
    britishComplete[0] = britishTable;
}

UnitNameIndex UnitNameIndex::ofSharedCatalogue() {
    const Localization& localization = Localization::shared();
    return UnitNameIndex(unitCatalogue(), localization.strings(), localization.language,
                         Localization::sharedBritishStrings());
}

} // namespace ratio
