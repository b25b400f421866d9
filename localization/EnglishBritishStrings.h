#pragma once

#include "localization/LocalizedStrings.h"

namespace ratio {

// British English: the complete table every other language starts from. Its
// texts are the msgids of localization/po/ratio.pot; the constructor is generated.
class EnglishBritishStrings : public LocalizedStrings {
  public:
    EnglishBritishStrings();
};

} // namespace ratio
