#pragma once

#include "units/KeyValueStore.h"

namespace ratio {

inline constexpr char lastSelectedSectionKey[] = "lastSelectedSection";
inline constexpr char lastSelectedRowKey[] = "lastSelectedRow";

// Where the first unit of the last completed selection stood in the unit
// selection screen: category index and position in its compact list. The
// compact lists are not persisted, so after a restart the position may be past
// the end of its list; the screen corrects that, not the store.
struct LastSelection {
    int section = 0;
    int row = 0;

    // A missing value, a non-integer or one outside the int range reads as 0.
    static LastSelection read(const KeyValueStore& store);

    // Section first, then row.
    void write(KeyValueStore& store) const;

    bool operator==(const LastSelection&) const = default;
};

} // namespace ratio
