#pragma once

#include "units/StoreValueString.h"

namespace ratio {

// The key of the first selected unit's long name.
class StoredUnit0 : public StoreValueString {
  public:
    StoredUnit0() : StoreValueString("unit0") {}
};

} // namespace ratio
