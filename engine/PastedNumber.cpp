#include "engine/PastedNumber.h"

#include <variant>

namespace ratio {

std::optional<LocaleNumber> PastedNumber::read(std::string_view text,
                                               std::string_view decimalSeparator,
                                               std::string_view groupingSeparator,
                                               std::string_view shortName) {
    auto number = LocaleNumber::read(text, decimalSeparator, groupingSeparator);
    if (std::holds_alternative<LocaleNumber::Problem>(number)) {
        const std::size_t end = text.find_last_not_of(" \t\r\n");
        const std::string_view trimmed = text.substr(0, end == text.npos ? 0 : end + 1);
        if (shortName.empty() || !trimmed.ends_with(shortName))
            return std::nullopt;
        number = LocaleNumber::read(trimmed.substr(0, trimmed.size() - shortName.size()),
                                    decimalSeparator, groupingSeparator);
    }
    if (auto* read = std::get_if<LocaleNumber>(&number))
        return std::move(*read);
    return std::nullopt;
}

} // namespace ratio
