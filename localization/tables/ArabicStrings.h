#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text falls back to British English.
class ArabicStrings : public EnglishBritishStrings {};

} // namespace ratio
