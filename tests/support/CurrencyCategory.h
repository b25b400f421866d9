#pragma once

#include "units/UnitCatalogue.h"

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

} // namespace ratio::testing
