#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text falls back to British English.
class ChineseSimplifiedStrings : public EnglishBritishStrings {};

} // namespace ratio
