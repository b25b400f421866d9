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

// Appends a unit whose chain is the single multiplication by numberText.
// Returns false and changes nothing when the category does not exist or the
// text is not a decimal number.
bool addUnit(UnitCatalogue& catalogue, std::string longName, std::string_view numberText,
             std::string shortName, bool added, int categoryIndex);

// As addUnit, with the long name joined to its British English form.
bool addUnitWithEnglishName(UnitCatalogue& catalogue, std::string_view longName,
                            std::string_view numberText, std::string shortName,
                            std::string_view englishName, bool added, int categoryIndex);

} // namespace ratio
