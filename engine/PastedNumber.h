// A number brought in as text from elsewhere (the clipboard): what a
// spreadsheet, a web page or this app's own rows write, read exactly.
#pragma once

#include "engine/BDouble.h"

#include <optional>
#include <string_view>

namespace ratio {

struct PastedNumber {
    BDouble value;
    // As the calculator counts typed places: -1 without a decimal separator.
    int decimalInputPlace = -1;

    // Reads UTF-8 `text`: surrounding spaces, a leading sign, digits (Arabic-
    // Indic and full-width ones too) grouped by `groupingSeparator` in threes
    // or not at all, `decimalSeparator` or "." with the fraction's digits, and
    // `shortName` after it all. Direction marks are ignored. Anything else,
    // or a grouping that is not in threes ("1,5" where "," groups), gives no
    // number, so a number written for another locale is never misread.
    static std::optional<PastedNumber> read(std::string_view text,
                                            std::string_view decimalSeparator,
                                            std::string_view groupingSeparator,
                                            std::string_view shortName);
};

} // namespace ratio
