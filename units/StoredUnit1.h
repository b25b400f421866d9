#pragma once

#include "units/StoreValueString.h"

namespace ratio {

// The key of the second selected unit's long name.
class StoredUnit1 : public StoreValueString {
  public:
    StoredUnit1() : StoreValueString("unit1") {}
};

} // namespace ratio
