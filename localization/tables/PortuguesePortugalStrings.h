#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text but the horsepower symbol falls back to British English.
class PortuguesePortugalStrings : public EnglishBritishStrings {
  public:
    PortuguesePortugalStrings() { hp_M = {"cv"}; }
};

} // namespace ratio
