// The units Ratio converts between.
//
// Data flow: the catalogue is built once from the active language's texts;
// currency documents replace category 0's units; the unit screens flip
// `added` and number the compact lists; a selected unit's chain is copied out
// to the main screen, so later changes reach the rows only on reselection.
#pragma once

#include "units/Category.h"

#include <vector>

namespace ratio {

using UnitCatalogue = std::vector<Category>;

// The process-wide catalogue: empty until it is built, never destroyed.
UnitCatalogue& unitCatalogue();

} // namespace ratio
