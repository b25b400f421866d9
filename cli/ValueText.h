#pragma once

#include "engine/BDouble.h"

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// A value as a script writes it: an optional sign ("+" or "-"), digits with
// an optional "." and more digits, and an optional exponent ("e" or "E",
// optional sign, digits), read exactly: "2.5E-4" is 25/100000, never a
// binary fraction.
struct ValueText {
    // Values beyond 10^±this would only fill memory with digits.
    static constexpr long maximumExponent = 100000;

    // The value, or none with `problem` saying why.
    static std::optional<BDouble> parse(std::string_view text, std::string* problem = nullptr);
};

} // namespace ratio
