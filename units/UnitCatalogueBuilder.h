#pragma once

#include "localization/Localization.h"
#include "localization/LocalizedStrings.h"
#include "units/UnitCatalogue.h"

#include <string>
#include <string_view>

namespace ratio {

// Fills `catalogue` with the 13 categories and the built-in units of
// categories 1 to 12, named from `strings`; `british` supplies the English half
// of the joined names, `language` the few units that differ by language. The
// catalogue's previous content is replaced, so its indices are always the
// section numbers. The currency category holds the euro and the currencies
// of fixed rate until rates arrive.
void buildUnitCatalogue(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        Language language, const LocalizedStrings& british);

// The process-wide catalogue from the shared language choice; run once at start.
void buildUnitCatalogue();

} // namespace ratio
