#pragma once

#include "engine/BDouble.h"
#include "engine/Operator.h"

#include <vector>

namespace ratio {

// One exact step of a conversion chain.
struct MetricsCalculation {
    ratio::Operator Operator = ratio::Operator::Multiplication;
    BDouble Number{1};
};

// A unit's chain: applied in order, it takes a value in the unit to the
// category's base unit.
using MetricsCalculations = std::vector<MetricsCalculation>;

} // namespace ratio
