#pragma once

#include "localization/EnglishBritishStrings.h"

#include <string_view>
#include <vector>

namespace ratio {

class HebrewStrings : public EnglishBritishStrings {
  public:
    HebrewStrings();

    // Text fields whose British English text is also right in this language.
    static const std::vector<std::string_view> sameAsBritish;
};

} // namespace ratio
