#pragma once

#include "localization/Localization.h"
#include "localization/PluralCategory.h"

namespace ratio {

// The CLDR plural category of a whole count in a language, from ICU's rules
// for the locale of the language's translation file; a negative count takes
// that of its absolute value.
PluralCategory pluralCategory(Language language, long long count);

} // namespace ratio
