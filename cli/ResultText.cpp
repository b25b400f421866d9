#include "cli/ResultText.h"

namespace ratio {

ResultText::ResultText(const ResultFormat& format, std::string_view decimalSeparator,
                       std::string_view groupingSeparator)
    : format(format), text(decimalSeparator, groupingSeparator),
      decimalSeparator(decimalSeparator.empty() ? "." : decimalSeparator) {}

void ResultText::append(const BDouble& number, std::string& out) const {
    std::string digits;
    if (format.exact) {
        auto expansion = number.exactExpansion(ResultFormat::longestPeriod);
        if (!expansion) { // a fraction is never grouped: "1,234/7" would read as a list
            out += number.fractionText();
            return;
        }
        digits = std::move(*expansion);
    } else {
        digits = number.decimalExpansion(format.places);
        if (digits.find('.') != std::string::npos)
            digits = BaseCalculator::trimTrailingZeros(std::move(digits));
    }
    if (format.plain) {
        out += digits;
        return;
    }
    if (const auto point = digits.find('.'); point != std::string::npos)
        digits.replace(point, 1, decimalSeparator);
    out += text.insertGroupingSeparators(digits);
}

} // namespace ratio
