// Settings that outlive the process.
//
// Data flow: the launch sequence counts launches; the main screen restores
// its two units from the long names under "unit0" and "unit1" (or their
// British names beside them) and writes them back through `SelectedUnits`;
// the unit selection screen keeps its last position under
// "lastSelectedSection" and "lastSelectedRow", and the units added to the
// short lists under "addedUnits" (AddedUnits). The core sees only this
// interface; the platform layer keeps the values on disk.
#pragma once

#include "units/StoredValue.h"

#include <string>

namespace ratio {

// A per-user store of texts and integers under case-sensitive keys. Writes
// are not checked: a store that cannot write loses the value silently.
class KeyValueStore {
  public:
    KeyValueStore() = default;
    KeyValueStore(const KeyValueStore&) = delete;
    KeyValueStore& operator=(const KeyValueStore&) = delete;
    virtual ~KeyValueStore() = default;

    virtual StoredValue value(const std::string& key) const = 0;
    virtual void setText(const std::string& key, const std::string& text) = 0;
    virtual void setInteger(const std::string& key, long long value) = 0;
};

} // namespace ratio
