#pragma once

#include "units/KeyValueStore.h"
#include "units/SelectedUnitsDisplay.h"
#include "units/StoredUnit0.h"
#include "units/StoredUnit1.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// The two units on the main screen: unit0 on row 0, unit1 on row 1. Only the
// long names are persisted; they identify the units across restarts.
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

    // Sets the fields (absent gives the empty text), stores the two long names
    // and, when a main screen exists, shows the names and the button title.
    void storeSelectedUnits(std::optional<std::string> name0, std::optional<std::string> shortName0,
                            std::optional<std::string> name1, std::string shortName1,
                            KeyValueStore& store, SelectedUnitsDisplay* display);

    // "→ " followed by unit1's short name.
    static std::string converterButtonTitle(std::string_view shortName1);
};

} // namespace ratio
