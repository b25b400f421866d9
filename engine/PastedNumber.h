// A number brought in as text from elsewhere (the clipboard): what a
// spreadsheet, a web page or this app's own rows write, read exactly.
#pragma once

#include "engine/LocaleNumber.h"

#include <optional>
#include <string_view>

namespace ratio {

struct PastedNumber {
    // A number as LocaleNumber reads it, with `shortName` (a row's unit)
    // after it or not.
    static std::optional<LocaleNumber> read(std::string_view text,
                                            std::string_view decimalSeparator,
                                            std::string_view groupingSeparator,
                                            std::string_view shortName);
};

} // namespace ratio
