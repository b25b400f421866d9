// One line of the history tape: a finished calculation, or a conversion the
// user left behind. Values are kept exactly (BDouble::exactText), the pair by
// its British long names, which find the units again in any language.
#pragma once

#include "units/UnitNameIndex.h"
#include "units/UnitPairRestore.h"

#include <string>

namespace ratio {

// How entries name a pair; empty names when the pair cannot be found again
// (a unit beyond the built-in tables), and then no conversion is recorded.
struct HistoryPair {
    std::string unit0, unit1;
    std::string ratesDay; // yyyy-MM-dd, for currencies only

    bool operator==(const HistoryPair&) const = default;
};

struct HistoryEntry {
    std::string time; // when it was recorded, ISO 8601 with the offset from UTC
    // A calculation: its operands and operators as the keys gave them, with
    // "." as the point ("12 × 3", "1.5 + 2 ÷ 7"). Empty for a conversion.
    std::string calculation;
    std::string value;  // exact: a calculation's result, or the number converted
    std::string result; // exact: a conversion's result; empty for a calculation
    HistoryPair pair;   // a conversion's pair

    bool isConversion() const { return calculation.empty(); }
    bool operator==(const HistoryEntry&) const = default;
};

// The pair at `pair` as entries name it: British names, and the day of the
// rates when it is a pair of currencies.
HistoryPair historyPair(const UnitNameIndex& names, const UnitCatalogue& catalogue,
                        const UnitPair& pair);

} // namespace ratio
