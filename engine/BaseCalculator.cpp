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
    const bool ascii = std::none_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(split),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return ascii ? groupedAscii(text, split) : groupedUtf8(text, split);
}

// Digits are one byte each: the separators go every three bytes back from
// the split, never straight after a minus sign. Written in one pass, as
// numbers of a million digits are grouped on every key.
std::string BaseCalculator::groupedAscii(std::string_view text, std::size_t split) const {
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t groups = split > sign ? (split - sign - 1) / 3 : 0;
    std::string grouped(text.size() + groups * groupingSeparator.size(), '\0');
    std::size_t at = split - 3 * groups;
    char* out = std::copy_n(text.data(), at, grouped.data());
    for (std::size_t group = 0; group < groups; ++group, at += 3) {
        for (const char c : groupingSeparator)
            *out++ = c;
        out[0] = text[at];
        out[1] = text[at + 1];
        out[2] = text[at + 2];
        out += 3;
    }
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), out);
    return grouped;
}

// Counting is in characters: a digit of another script takes several bytes.
std::string BaseCalculator::groupedUtf8(std::string_view text, std::size_t split) const {
    std::vector<std::size_t> starts; // byte offsets of the characters before the split
    for (std::size_t i = 0; i < split; ++i)
        if (!isContinuationByte(text[i]))
            starts.push_back(i);
    const std::size_t minimum = text.front() == '-' ? 4 : 3;
    std::size_t count = starts.size();
    std::vector<std::size_t> insertAt; // byte offsets, from the split towards the start
    while (count > minimum) {
        count -= 3;
        insertAt.push_back(starts[count]);
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
