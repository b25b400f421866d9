#include "units/MemoryKeyValueStore.h"

#include <utility>

namespace ratio {

StoredValue MemoryKeyValueStore::value(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? StoredValue() : found->second;
}

void MemoryKeyValueStore::setText(const std::string& key, const std::string& text) {
    values[key] = StoredValue::ofText(text);
}

void MemoryKeyValueStore::setInteger(const std::string& key, long long value) {
    values[key] = StoredValue::ofInteger(value);
}

void MemoryKeyValueStore::put(const std::string& key, StoredValue value) {
    if (value.isAbsent())
        values.erase(key);
    else
        values[key] = std::move(value);
}

} // namespace ratio
