#include "units/LaunchCounter.h"

#include <limits>

namespace ratio {

void incrementLaunchCount(KeyValueStore& store) {
    const auto count = store.value(launchCountKey).integer();
    // A count at the top of the range stays there rather than wrapping negative.
    if (count && *count < std::numeric_limits<long long>::max())
        store.setInteger(launchCountKey, *count + 1);
}

void ensureLaunchCount(KeyValueStore& store) {
    if (!store.value(launchCountKey).isInteger())
        store.setInteger(launchCountKey, 1);
}

} // namespace ratio
