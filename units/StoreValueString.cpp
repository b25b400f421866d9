#include "units/StoreValueString.h"

namespace ratio {

std::optional<std::string> StoreValueString::storedValue(const KeyValueStore& store) const {
    return store.value(str).text();
}

} // namespace ratio
