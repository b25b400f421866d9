#include "units/LastSelection.h"

#include <limits>

namespace ratio {

namespace {

int storedIndex(const KeyValueStore& store, const char* key) {
    const auto value = store.value(key).integer();
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(*value);
}

} // namespace

LastSelection LastSelection::read(const KeyValueStore& store) {
    LastSelection selection;
    selection.row = storedIndex(store, lastSelectedRowKey);
    selection.section = storedIndex(store, lastSelectedSectionKey);
    return selection;
}

void LastSelection::write(KeyValueStore& store) const {
    store.setInteger(lastSelectedSectionKey, section);
    store.setInteger(lastSelectedRowKey, row);
}

} // namespace ratio
