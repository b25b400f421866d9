#pragma once

#include "engine/ConversionChain.h"
#include "units/UnitCatalogue.h"

#include <optional>
#include <string>
#include <vector>

namespace ratio::testing {

// A catalogue holding only an empty currency category.
inline UnitCatalogue catalogueWithCurrencyCategory() {
    Category currency;
    currency.nameSingle = "Currency";
    return UnitCatalogue{currency};
}

inline std::vector<std::string> shortNames(const Category& category) {
    std::vector<std::string> names;
    for (const UnitDefinition& unit : category.unitDefinitions)
        names.push_back(unit.shortName);
    return names;
}

// How much of the unit one euro buys, exactly.
inline std::optional<BDouble> perEuro(const UnitDefinition& unit) {
    return applyBackwards(unit.metricsCalculations, 1);
}

} // namespace ratio::testing
