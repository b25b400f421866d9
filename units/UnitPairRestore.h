#pragma once

#include "units/UnitCatalogue.h"
#include "units/UnitNameIndex.h"
#include "units/UnitPosition.h"

#include <optional>
#include <string>

namespace ratio {

struct UnitPair {
    UnitPosition unit0;
    UnitPosition unit1;
    bool operator==(const UnitPair&) const = default;
};

// What the store keeps of the selected pair: the long names in the language
// of the run that stored them, and the same units' British English names.
struct StoredPairNames {
    std::string name0, name1;
    std::string britishName0, britishName1;
};

// What the stored names come to in this run's catalogue.
struct StoredPairLookup {
    std::optional<UnitPair> pair;
    // Not found, but two currencies that rates yet to arrive would bring: the
    // stored pair is still good and must not be replaced by a fallback.
    bool awaitsRates = false;
    // Not found, and rates have arrived without a stored currency: the line
    // that says so (missingRateLine), shown over the fallback.
    std::string missingRate;
};

// Finds the two long names in `names`. A few long names occur in more than
// one category (the Chinese fēn, lí and háo are lengths and areas), so each
// name is matched in the category of the other's match: a stored length pair
// never comes back as a length and an area. Among several pairs, the last one
// in catalogue order wins. A name a unit had in an earlier version (the
// misspelt "Gigibyte (GiB)") is read as its name today. None when a name is
// missing, unknown, the two are equal, or no category holds both.
std::optional<UnitPair> findStoredPair(const CatalogueNames& names, const std::string& name0,
                                       const std::string& name1);

// The stored pair by its names in this run's language first, then by its
// British names, which survive a change of language. Where the British names
// are absent (settings from before they were kept), they are taken from the
// stored names in any language. Once `ratesArrived`, a currency they did not
// bring is not waited for any longer.
StoredPairLookup lookUpStoredPair(const UnitNameIndex& names, const StoredPairNames& stored,
                                  bool ratesArrived = false);

// The first two units of the second category (mile and kilometre); none when
// the catalogue has no such units.
std::optional<UnitPair> defaultPair(const UnitCatalogue& catalogue);

} // namespace ratio
