#pragma once

#include "units/KeyValueStore.h"
#include "units/SelectedUnitsDisplay.h"
#include "units/StoreValueString.h"
#include "units/StoredUnit0.h"
#include "units/StoredUnit1.h"
#include "units/UnitNameIndex.h"
#include "units/UnitPairRestore.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// The two units on the main screen: unit0 on row 0, unit1 on row 1. Only the
// long names are persisted: in the active language under "unit0" and "unit1",
// and in British English beside them, which finds the units again in another
// language.
class SelectedUnits {
  public:
    // The process-wide record, created on first use and never destroyed.
    static SelectedUnits& shared();

    std::string name0;
    std::string shortName0;
    std::string name1;
    std::string shortName1;
    const StoredUnit0 storedUnit0;
    const StoredUnit1 storedUnit1;
    const StoreValueString storedBritishName0{"unit0BritishName"};
    const StoreValueString storedBritishName1{"unit1BritishName"};

    // Set while the screen shows a fallback for a stored pair of currencies
    // whose rates have not arrived; storing a pair ends it.
    bool storedPairAwaitsRates = false;

    // Sets the fields (absent gives the empty text), stores the two long names
    // and their British names (empty when `names` does not know the pair) and,
    // when a main screen exists, shows the names and the button title.
    void storeSelectedUnits(std::optional<std::string> name0, std::optional<std::string> shortName0,
                            std::optional<std::string> name1, std::string shortName1,
                            const UnitNameIndex& names, KeyValueStore& store,
                            SelectedUnitsDisplay* display);

    // As storeSelectedUnits, without writing the store.
    void showSelectedUnits(std::optional<std::string> name0, std::optional<std::string> shortName0,
                           std::optional<std::string> name1, std::string shortName1,
                           SelectedUnitsDisplay* display);

    // The four stored names; a missing key or another kind of value reads as empty.
    StoredPairNames storedPair(const KeyValueStore& store) const;

    // "→ " followed by unit1's short name.
    static std::string converterButtonTitle(std::string_view shortName1);
};

} // namespace ratio
