#pragma once

#include "units/KeyValueStore.h"

namespace ratio {

// The number of launches, kept only in the store. On a fresh installation the
// increment at launch finds nothing and the main screen's set-up stores 1;
// every later launch adds 1 before the main screen is set up.
inline constexpr char launchCountKey[] = "APP_OPENED_COUNT";

// Adds 1 to a stored integer; leaves a missing or non-integer value alone.
void incrementLaunchCount(KeyValueStore& store);

// Stores 1 unless an integer is already there.
void ensureLaunchCount(KeyValueStore& store);

} // namespace ratio
