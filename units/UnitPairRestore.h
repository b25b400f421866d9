#pragma once

#include "units/UnitCatalogue.h"

#include <optional>
#include <string>

namespace ratio {

// Where a unit stands in the catalogue.
struct UnitPosition {
    std::size_t category = 0;
    std::size_t unit = 0;
    bool operator==(const UnitPosition&) const = default;
};

struct UnitPair {
    UnitPosition unit0;
    UnitPosition unit1;
    bool operator==(const UnitPair&) const = default;
};

// Finds the two stored long names again. A few long names occur in more than
// one category (the Chinese fēn, lí and háo are lengths and areas), so each
// name is matched in the category of the other's match: a stored length pair
// never comes back as a length and an area. Among several pairs, the last one
// in catalogue order wins. None when a name is missing, unknown, the two are
// equal, or no category holds both.
std::optional<UnitPair> findStoredPair(const UnitCatalogue& catalogue, const std::string& name0,
                                       const std::string& name1);

// The first two units of the second category (mile and kilometre); none when
// the catalogue has no such units.
std::optional<UnitPair> defaultPair(const UnitCatalogue& catalogue);

} // namespace ratio
