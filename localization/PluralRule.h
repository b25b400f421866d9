#pragma once

#include "localization/Localization.h"
#include "localization/PluralCategory.h"

namespace ratio {

// The ways the 35 languages sort whole counts into plural categories, one
// case per family of languages that share CLDR's rule (its plurals.xml) for
// integers. Only whole counts occur, so the rules' decimal conditions are left out.
enum class PluralRule {
    NoPlural,                     // id, ja, ko, ms, th, vi, zh: always other
    OneIsOne,                     // ca, da, de, el, en, fi, hu, nb, nl, sv, tr
    ZeroAndOneAreOne,             // hi
    OneIsOneMillionsAreMany,      // es, it, pt-PT
    ZeroAndOneAreOneMillionsMany, // fr, pt
    CzechSlovak,                  // cs, sk: one, few (2 to 4), other
    Polish,                       // pl: one, few, many
    RussianUkrainian,             // ru, uk: one, few, many by the last two digits
    Croatian,                     // hr: one, few, other by the last two digits
    Romanian,                     // ro: one (1), few (0, and 1 to 19 in each hundred but 1), other
    Arabic,                       // ar: all six
    Hebrew,                       // he: one, two, many (tens above 10), other
};

PluralRule pluralRuleOf(Language language);

// The category of a count; a negative count takes that of its absolute value.
PluralCategory pluralCategory(PluralRule rule, long long count);

} // namespace ratio
