#pragma once

#include "engine/BDouble.h"

#include <string>
#include <string_view>

namespace ratio {

// Turns numbers into the texts the rows show, with the locale's separators
// fixed when the calculator is created. Separators may be several bytes of
// UTF-8 (a no-break space, the Arabic marks); counting is in characters.
class BaseCalculator {
  public:
    // An empty separator stands for a locale that gives none: "." and ",".
    BaseCalculator(std::string_view decimalSeparator, std::string_view groupingSeparator);

    const std::string decimalSeparator;
    const std::string groupingSeparator;

    // 8 places, rounded, trailing zeros and a bare point trimmed.
    std::string resultText(const BDouble& number) const;
    // The number being typed: as many places as typed (-1: none typed).
    std::string entryText(const BDouble& number, int decimalInputPlace) const;
    // Just after the separator key: the integer digits and the separator.
    std::string separatorText(const BDouble& number) const;

    std::string insertGroupingSeparators(std::string_view text) const;
    static std::string trimTrailingZeros(std::string text);

    static constexpr int PrecisionAfterDecimalSeparator = 8;

  private:
    std::string withDecimalSeparator(std::string text) const;
    std::string groupedAscii(std::string_view text, std::size_t split) const;
    std::string groupedUtf8(std::string_view text, std::size_t split) const;
};

} // namespace ratio
