#include "localization/PluralRule.h"

namespace ratio {

namespace {

using Count = unsigned long long;
using C = PluralCategory;

bool inRange(Count n, Count low, Count high) {
    return n >= low && n <= high;
}

// French, Portuguese, Spanish and Italian say "de"/"di" after a round million.
bool isMillions(Count n) {
    return n != 0 && n % 1000000 == 0;
}

C oneIsOne(Count n) {
    return n == 1 ? C::One : C::Other;
}

C zeroAndOneAreOne(Count n) {
    return n <= 1 ? C::One : C::Other;
}

C czechSlovak(Count n) {
    if (n == 1)
        return C::One;
    return inRange(n, 2, 4) ? C::Few : C::Other;
}

// The last digit decides, except in the teens (11 to 14 of each hundred).
C slavicByLastDigits(Count n, C whenNeitherOneNorFew) {
    const Count lastDigit = n % 10;
    const Count lastTwo = n % 100;
    if (lastDigit == 1 && lastTwo != 11)
        return C::One;
    if (inRange(lastDigit, 2, 4) && !inRange(lastTwo, 12, 14))
        return C::Few;
    return whenNeitherOneNorFew;
}

C polish(Count n) {
    if (n == 1)
        return C::One;
    const C category = slavicByLastDigits(n, C::Many);
    return category == C::One ? C::Many : category; // 21, 31, ... take "many"
}

// 1 alone is "one"; 101, 201, ... end in 1 too but are "few".
C romanian(Count n) {
    if (n == 1)
        return C::One;
    return n == 0 || inRange(n % 100, 1, 19) ? C::Few : C::Other;
}

C arabic(Count n) {
    if (n <= 2)
        return n == 0 ? C::Zero : (n == 1 ? C::One : C::Two);
    if (inRange(n % 100, 3, 10))
        return C::Few;
    return inRange(n % 100, 11, 99) ? C::Many : C::Other;
}

C hebrew(Count n) {
    if (n == 1 || n == 2)
        return n == 1 ? C::One : C::Two;
    return n > 10 && n % 10 == 0 ? C::Many : C::Other;
}

} // namespace

PluralRule pluralRuleOf(Language language) {
    using L = Language;
    switch (language) {
    case L::Indonesian:
    case L::Japanese:
    case L::Korean:
    case L::Malay:
    case L::Thai:
    case L::Vietnamese:
    case L::ChineseTraditional:
    case L::ChineseSimplified:
        return PluralRule::NoPlural;
    case L::Hindi:
        return PluralRule::ZeroAndOneAreOne;
    case L::Spanish:
    case L::Italian:
    case L::PortuguesePortugal:
        return PluralRule::OneIsOneMillionsAreMany;
    case L::French:
    case L::PortugueseBrazil:
        return PluralRule::ZeroAndOneAreOneMillionsMany;
    case L::Czech:
    case L::Slovac:
        return PluralRule::CzechSlovak;
    case L::Polish:
        return PluralRule::Polish;
    case L::Russian:
    case L::Ukrainian:
        return PluralRule::RussianUkrainian;
    case L::Croatian:
        return PluralRule::Croatian;
    case L::Romanian:
        return PluralRule::Romanian;
    case L::Arabic:
        return PluralRule::Arabic;
    case L::Hebrew:
        return PluralRule::Hebrew;
    default: // the English "one" for 1 alone, and British English for no language
        return PluralRule::OneIsOne;
    }
}

PluralCategory pluralCategory(PluralRule rule, long long count) {
    const Count n = count < 0 ? Count{0} - static_cast<Count>(count) : static_cast<Count>(count);
    switch (rule) {
    case PluralRule::NoPlural:
        return C::Other;
    case PluralRule::OneIsOne:
        return oneIsOne(n);
    case PluralRule::ZeroAndOneAreOne:
        return zeroAndOneAreOne(n);
    case PluralRule::OneIsOneMillionsAreMany:
        return isMillions(n) ? C::Many : oneIsOne(n);
    case PluralRule::ZeroAndOneAreOneMillionsMany:
        return isMillions(n) ? C::Many : zeroAndOneAreOne(n);
    case PluralRule::CzechSlovak:
        return czechSlovak(n);
    case PluralRule::Polish:
        return polish(n);
    case PluralRule::RussianUkrainian:
        return slavicByLastDigits(n, C::Many);
    case PluralRule::Croatian:
        return slavicByLastDigits(n, C::Other);
    case PluralRule::Romanian:
        return romanian(n);
    case PluralRule::Arabic:
        return arabic(n);
    case PluralRule::Hebrew:
        return hebrew(n);
    }
    return C::Other;
}

} // namespace ratio
