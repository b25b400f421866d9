#pragma once

#include "units/UnitCatalogue.h"

#include <cstddef>

namespace ratio {

// Where a unit stands in the catalogue: its category and its place there.
struct UnitPosition {
    std::size_t category = 0;
    std::size_t unit = 0;

    const UnitDefinition& definition(const UnitCatalogue& catalogue) const {
        return catalogue[category].unitDefinitions[unit];
    }
    bool operator==(const UnitPosition&) const = default;
};

} // namespace ratio
