#pragma once

#include "units/KeyValueStore.h"
#include "units/StoreValueString.h"
#include "units/UnitCatalogue.h"
#include "units/UnitNameIndex.h"
#include "units/UnitPosition.h"

namespace ratio {

// The units a user added to the categories' short lists, kept across
// restarts and changes of language by their British long names, as the
// selected pair is kept: one name a line under "addedUnits".
class AddedUnits {
  public:
    static inline const StoreValueString stored{"addedUnits"};

    // Puts the unit at `position` on its short list and keeps its name.
    static void add(UnitCatalogue& catalogue, UnitPosition position, const UnitNameIndex& names,
                    KeyValueStore& store);

    // Puts the kept units back on their short lists. A kept name no unit has
    // now (a currency today's rates do not carry) is skipped and stays kept.
    static void restore(UnitCatalogue& catalogue, const UnitNameIndex& names,
                        const KeyValueStore& store);
};

} // namespace ratio
