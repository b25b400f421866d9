#pragma once

#include "units/KeyValueStore.h"

#include <map>
#include <string>

namespace ratio {

// A store that lives only as long as the object: for front ends that must not
// touch the user's settings, and for tests.
class MemoryKeyValueStore : public KeyValueStore {
  public:
    StoredValue value(const std::string& key) const override;
    void setText(const std::string& key, const std::string& text) override;
    void setInteger(const std::string& key, long long value) override;

    // Any value, including kinds the setters cannot make (absent removes the key).
    void put(const std::string& key, StoredValue value);

  private:
    std::map<std::string, StoredValue> values;
};

} // namespace ratio
