#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text but the horsepower symbol falls back to British English.
class SpanishStrings : public EnglishBritishStrings {
  public:
    SpanishStrings() { hp_M = {"CV"}; }
};

} // namespace ratio
