#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// US English: British English with American spellings of the metric names.
class EnglishUSAStrings : public EnglishBritishStrings {
  public:
    EnglishUSAStrings();
};

} // namespace ratio
