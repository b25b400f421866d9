#pragma once

#include "units/KeyValueStore.h"

#include <optional>
#include <string>
#include <utility>

namespace ratio {

// Names the store key of a text setting.
class StoreValueString {
  public:
    explicit StoreValueString(std::string str) : str(std::move(str)) {}

    const std::string str;

    // The text under `str`; nothing when the key is missing or holds another kind.
    std::optional<std::string> storedValue(const KeyValueStore& store) const;
};

} // namespace ratio
