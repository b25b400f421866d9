#pragma once

#include "localization/EnglishBritishStrings.h"

#include <string_view>
#include <vector>

namespace ratio {

class CatalanStrings : public EnglishBritishStrings {
  public:
    CatalanStrings();

    // Text fields whose British English text is also right in this language.
    static const std::vector<std::string_view> sameAsBritish;
};

} // namespace ratio
