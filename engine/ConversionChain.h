#pragma once

#include "engine/MetricsCalculation.h"

#include <optional>

namespace ratio {

// Unit to base unit: the steps in order. No value when a step would divide by zero.
std::optional<BDouble> applyForwards(const MetricsCalculations& chain, BDouble value);

// Base unit to unit: the steps from last to first, each inverted.
std::optional<BDouble> applyBackwards(const MetricsCalculations& chain, BDouble value);

// Forwards through `from`, then backwards through `to`.
std::optional<BDouble> convert(const BDouble& value, const MetricsCalculations& from,
                               const MetricsCalculations& to);

} // namespace ratio
