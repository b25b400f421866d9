#pragma once

#include "localization/EnglishBritishStrings.h"

namespace ratio {

// Not translated yet: every text falls back to British English.
class PortuguesePortugalStrings : public EnglishBritishStrings {};

} // namespace ratio
