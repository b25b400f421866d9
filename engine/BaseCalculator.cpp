#include "engine/BaseCalculator.h"

#include <algorithm>
#include <vector>

namespace ratio {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool containsPoint(const std::string& text) {
    return text.find_first_of('.') != std::string::npos;
}

} // namespace

BaseCalculator::BaseCalculator(std::string_view decimalSeparator,
                               std::string_view groupingSeparator)
    : decimalSeparator(decimalSeparator.empty() ? "." : decimalSeparator),
      groupingSeparator(groupingSeparator.empty() ? "," : groupingSeparator) {}

std::string BaseCalculator::trimTrailingZeros(std::string text) {
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string BaseCalculator::withDecimalSeparator(std::string text) const {
    if (decimalSeparator == ".")
        return text;
    const std::size_t point = text.find_first_of('.');
    if (point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string BaseCalculator::resultText(const BDouble& number) const {
    std::string text = number.decimalExpansion(PrecisionAfterDecimalSeparator);
    if (containsPoint(text))
        text = trimTrailingZeros(std::move(text));
    return withDecimalSeparator(std::move(text));
}

std::string BaseCalculator::entryText(const BDouble& number, int decimalInputPlace) const {
    std::string text = number.decimalExpansion(decimalInputPlace < 0 ? 0 : decimalInputPlace);
    if (decimalInputPlace == -1) {
        text = trimTrailingZeros(std::move(text));
    } else if (decimalInputPlace == 0) {
        text = trimTrailingZeros(std::move(text)) + ".";
    }
    return withDecimalSeparator(std::move(text));
}

std::string BaseCalculator::separatorText(const BDouble& number) const {
    return number.fractionDescription() + decimalSeparator;
}

std::string BaseCalculator::insertGroupingSeparators(std::string_view text) const {
    if (text.empty())
        return std::string(text);
    const std::size_t split = std::min(text.find(decimalSeparator), text.size());

    // Byte offsets of the characters before the split; digits are one byte
    // each, so only an unusual text needs the offsets listed.
    std::vector<std::size_t> starts;
    const bool ascii = std::none_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(split),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (!ascii)
        for (std::size_t i = 0; i < split; ++i)
            if (!isContinuationByte(text[i]))
                starts.push_back(i);
    auto offsetOf = [&](std::size_t character) { return ascii ? character : starts[character]; };

    const std::size_t minimum = text.front() == '-' ? 4 : 3;
    std::size_t count = ascii ? split : starts.size();
    std::vector<std::size_t> insertAt; // byte offsets, from the split towards the start
    while (count > minimum) {
        count -= 3;
        insertAt.push_back(offsetOf(count));
    }

    std::string grouped;
    grouped.reserve(text.size() + insertAt.size() * groupingSeparator.size());
    std::size_t copied = 0;
    for (auto at = insertAt.rbegin(); at != insertAt.rend(); ++at) {
        grouped.append(text, copied, *at - copied);
        grouped.append(groupingSeparator);
        copied = *at;
    }
    grouped.append(text, copied, std::string_view::npos);
    return grouped;
}

} // namespace ratio
