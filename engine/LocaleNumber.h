// A number written as people write it, read exactly: the one reader behind
// the window's paste and ratio-cli's values.
//
// Accepted: surrounding spaces, direction marks (ignored), a leading "+",
// "-" or "−", digits (also Arabic-Indic, Persian and full-width ones), an
// optional decimal separator with the fraction's digits ("5." and ".5"
// too), and an optional exponent ("e" or "E", a sign, at most
// `maximumExponent`).
//
// Two ways of writing are tried, in this order, and the first that fits
// decides:
//  1. the locale's: its decimal separator, its grouping separator in well-
//     formed groups (one to three digits, no leading zero, then threes; a
//     space-like separator is typed as any space);
//  2. a decimal point, as scripts and most other locales write it, with the
//     locale's grouping where that is not itself the point.
// So a number as this locale writes it always reads as the locale means it
// ("1.000" is a thousand in Germany, as Ratio itself shows a thousand
// there), and text that fits neither way ("0,500" or "1,5" in Britain) is
// refused rather than guessed at by a factor of a thousand.
#pragma once

#include "engine/BDouble.h"

#include <optional>
#include <string_view>
#include <variant>

namespace ratio {

struct LocaleNumber {
    // Values beyond 10^±this would only fill memory with digits.
    static constexpr long maximumExponent = 100000;

    enum class Problem { NotANumber, ExponentOutOfRange };

    BDouble value;
    // As the calculator counts typed places: -1 without a decimal separator.
    int decimalInputPlace = -1;

    // `text` and the separators in UTF-8; text that is not UTF-8 is no number.
    static std::variant<LocaleNumber, Problem> read(std::string_view text,
                                                    std::string_view decimalSeparator,
                                                    std::string_view groupingSeparator);

    // The value alone, or none.
    static std::optional<BDouble> valueOf(std::string_view text, std::string_view decimalSeparator,
                                          std::string_view groupingSeparator);
};

} // namespace ratio
