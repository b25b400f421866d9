#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text but the horsepower symbol falls back to British English.
class PortugueseBrazilStrings : public EnglishBritishStrings {
  public:
    PortugueseBrazilStrings() { hp_M = {"cv"}; }
};

} // namespace ratio
