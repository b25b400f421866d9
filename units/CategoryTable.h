#pragma once

#include "localization/CategoryTexts.h"
#include "units/UnitRow.h"

#include <span>
#include <string>

namespace ratio {

// One category of the built-in catalogue as data: the fields that hold its
// four texts and its units in catalogue order.
struct CategoryTable {
    const CategoryTexts& texts;
    std::span<const UnitRow> units;
};

// All 13 categories in section order; the currency category has no rows, its
// units come from the rate document.
std::span<const CategoryTable> categoryTables();

} // namespace ratio
