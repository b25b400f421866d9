#include "units/UnitDefinition.h"

#include <algorithm>

namespace ratio {

namespace {

std::string withShortName(std::string longName, const std::string& shortName) {
    if (std::find(longName.begin(), longName.end(), '(') != longName.end())
        return longName;
    return longName + " (" + shortName + ")";
}

} // namespace

UnitDefinition::UnitDefinition(std::string shortName, std::string longName, bool added,
                               int indexOfCompactList, MetricsCalculations metricsCalculations)
    : shortName(std::move(shortName)), added(added), indexOfCompactList(indexOfCompactList),
      metricsCalculations(std::move(metricsCalculations)) {
    this->longName = withShortName(std::move(longName), this->shortName);
}

} // namespace ratio
