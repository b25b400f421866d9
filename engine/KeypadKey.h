#pragma once

#include "engine/LegacyCalculator.h"

namespace ratio {

// The calculator's keys as characters, for front ends that read keys as
// text: 0-9, "." the decimal separator key, + - * / the operators, "="
// equals, "C" clear and "N" the sign key. False for any other character,
// which presses nothing.
bool pressKeypadKey(LegacyCalculator& calculator, char key);

} // namespace ratio
