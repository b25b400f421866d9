#pragma once

#include "engine/BDouble.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// A value as a script writes it: an optional sign ("+" or "-"), digits with
// an optional "." and more digits (".5" and "5." too), and an optional
// exponent ("e" or "E", optional sign, digits), read exactly: "2.5E-4" is
// 25/100000, never a binary fraction.
//
// With the locale's separators, a value may also be written the locale's
// way, as ratio-cli prints it: integer digits in well-formed groups of three
// and the locale's decimal separator ("1,500.25" in Britain, "1.000,5" in
// Germany). Where both readings fit and differ ("1.000" in Germany) the text
// is refused rather than guessed at.
struct ValueText {
    // Values beyond 10^±this would only fill memory with digits.
    static constexpr long maximumExponent = 100000;

    // The value, or none with `problem` saying why.
    static std::optional<BDouble> parse(std::string_view text, std::string* problem = nullptr);
    static std::optional<BDouble> parse(std::string_view text, std::string_view decimalSeparator,
                                        std::string_view groupingSeparator,
                                        std::string* problem = nullptr);
};

} // namespace ratio
