#pragma once

#include "localization/EnglishBritishStrings.h"

#include <string_view>
#include <vector>

namespace ratio {

class RussianStrings : public EnglishBritishStrings {
  public:
    RussianStrings();

    // Text fields whose British English text is also right in this language.
    static const std::vector<std::string_view> sameAsBritish;
};

} // namespace ratio
