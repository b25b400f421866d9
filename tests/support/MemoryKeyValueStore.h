#pragma once

#include "units/KeyValueStore.h"

#include <map>
#include <string>
#include <utility>

namespace ratio::testing {

// A settings store that lives only as long as the object.
class MemoryKeyValueStore : public KeyValueStore {
  public:
    StoredValue value(const std::string& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? StoredValue() : found->second;
    }
    void setText(const std::string& key, const std::string& text) override {
        values[key] = StoredValue::ofText(text);
    }
    void setInteger(const std::string& key, long long value) override {
        values[key] = StoredValue::ofInteger(value);
    }

    // Any value, including kinds the setters cannot make (absent removes the key).
    void put(const std::string& key, StoredValue value) {
        if (value.isAbsent())
            values.erase(key);
        else
            values[key] = std::move(value);
    }

  private:
    std::map<std::string, StoredValue> values;
};

} // namespace ratio::testing
