#pragma once

#include "engine/MetricsCalculation.h"

#include <string>

namespace ratio {

// One unit of a category: its names, whether it is in the category's compact
// list, and its chain to the base unit.
struct UnitDefinition {
    // A long name without "(" gets " (shortName)" appended.
    UnitDefinition(std::string shortName, std::string longName, bool added, int indexOfCompactList,
                   MetricsCalculations metricsCalculations);

    std::string shortName;
    std::string longName;
    bool added = false;
    int indexOfCompactList = -1;
    MetricsCalculations metricsCalculations;
};

} // namespace ratio
