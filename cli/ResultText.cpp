#include "cli/ResultText.h"

namespace ratio {

ResultText::ResultText(const ResultFormat& format, std::string_view decimalSeparator,
                       std::string_view groupingSeparator)
    : format(format), text(decimalSeparator, groupingSeparator),
      decimalSeparator(decimalSeparator.empty() ? "." : decimalSeparator) {}

void ResultText::append(const BDouble& number, std::string& out) const {
    if (!format.exact) {
        appendRounded(number.decimalExpansion(format.places), out);
        return;
    }
    auto expansion = number.exactExpansion(ResultFormat::longestPeriod);
    if (!expansion) { // a fraction is never grouped: "1,234/7" would read as a list
        out += number.fractionText();
        return;
    }
    if (format.plain) {
        out += *expansion;
        return;
    }
    appendLocal(std::move(*expansion), out);
}

void ResultText::append(const LinearMap& map, const BDouble& x, std::string& out) const {
    if (format.exact)
        append(map(x), out);
    else
        appendRounded(map.decimalExpansion(x, format.places), out);
}

void ResultText::appendRounded(std::string digits, std::string& out) const {
    if (digits.find('.') != std::string::npos)
        digits = BaseCalculator::trimTrailingZeros(std::move(digits));
    if (format.plain)
        out += digits;
    else
        appendLocal(std::move(digits), out);
}

// With the locale's decimal separator and grouping.
void ResultText::appendLocal(std::string digits, std::string& out) const {
    if (const auto point = digits.find('.'); point != std::string::npos)
        digits.replace(point, 1, decimalSeparator);
    out += text.insertGroupingSeparators(digits);
}

} // namespace ratio
