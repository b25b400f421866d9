#pragma once

#include "localization/EnglishBritishStrings.h"

#include <string_view>
#include <vector>

namespace ratio {

class HindiStrings : public EnglishBritishStrings {
  public:
    HindiStrings();

    // Text fields whose British English text is also right in this language.
    static const std::vector<std::string_view> sameAsBritish;
};

} // namespace ratio
