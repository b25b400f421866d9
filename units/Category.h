#pragma once

#include "units/UnitDefinition.h"

#include <string>
#include <vector>

namespace ratio {

// A group of mutually convertible units with the texts that present it.
struct Category {
    std::string nameSingle;
    std::string additionalUnitsNumber; // a count text: show it through formatCount
    std::string pickFirstUnit;
    std::string pickSecondUnit;
    std::vector<UnitDefinition> unitDefinitions;
    std::string ratesDay; // yyyy-MM-dd: the day of the currencies' rates; empty elsewhere
};

} // namespace ratio
