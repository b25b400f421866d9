#include "engine/PastedNumber.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace ratio {

namespace {

// Code points; none for text that is not UTF-8.
std::optional<std::u32string> decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80         ? 1
                           : (lead >> 5) == 6  ? 2
                           : (lead >> 4) == 14 ? 3
                           : (lead >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x2009 ||
           c == 0x202F || c == 0x3000;
}

// Digits of other scripts as ASCII digits; everything else unchanged.
char32_t asciiDigit(char32_t c) {
    for (char32_t zero : {U'\u0660', U'\u06F0', U'\uFF10'})
        if (c >= zero && c <= zero + 9)
            return U'0' + (c - zero);
    return c;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

void trim(std::u32string& text) {
    while (!text.empty() && isSpace(text.back()))
        text.pop_back();
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    text.erase(text.begin(), first);
}

// One way to read the digits: its decimal separator and its grouping separator.
struct Reading {
    std::u32string decimal;
    std::u32string grouping;

    bool groups(char32_t c) const {
        // A space-like grouping separator is typed as any space.
        if (grouping.size() == 1 && isSpace(grouping[0]))
            return isSpace(c);
        return grouping.size() == 1 && c == grouping[0];
    }

    // `digits` (no sign) as "int.fraction" in ASCII, with the typed places.
    std::optional<std::pair<std::string, int>> read(const std::u32string& digits) const {
        const std::size_t point = decimal.empty() ? std::u32string::npos : digits.find(decimal);
        const std::u32string whole = digits.substr(0, point);
        const std::u32string fraction =
            point == std::u32string::npos ? U"" : digits.substr(point + decimal.size());
        std::string ascii;
        ascii.reserve(digits.size() + 2);
        std::size_t groupLength = 0;
        bool grouped = false;
        for (char32_t c : whole) {
            if (groups(c)) {
                // The first group holds one to three digits, every later one three.
                if (groupLength == 0 || groupLength > 3 || (grouped && groupLength != 3))
                    return std::nullopt;
                grouped = true;
                groupLength = 0;
            } else if (isDigit(c)) {
                ascii.push_back(static_cast<char>(c));
                ++groupLength;
            } else {
                return std::nullopt;
            }
        }
        if (grouped && groupLength != 3)
            return std::nullopt;
        if (point == std::u32string::npos)
            return ascii.empty() ? std::nullopt : std::optional(std::pair(ascii, -1));
        if (ascii.empty() && fraction.empty())
            return std::nullopt;
        if (ascii.empty())
            ascii = "0";
        ascii.push_back('.');
        for (char32_t c : fraction) {
            if (!isDigit(c))
                return std::nullopt;
            ascii.push_back(static_cast<char>(c));
        }
        if (fraction.empty())
            ascii.pop_back();
        return std::pair(ascii, static_cast<int>(fraction.size()));
    }
};

} // namespace

std::optional<PastedNumber> PastedNumber::read(std::string_view text,
                                               std::string_view decimalSeparator,
                                               std::string_view groupingSeparator,
                                               std::string_view shortName) {
    std::optional<std::u32string> decoded = decode(text);
    const std::optional<std::u32string> decimal = decode(decimalSeparator);
    const std::optional<std::u32string> grouping = decode(groupingSeparator);
    const std::optional<std::u32string> unit = decode(shortName);
    if (!decoded || !decimal || !grouping || !unit)
        return std::nullopt;
    std::u32string number;
    number.reserve(decoded->size());
    for (char32_t c : *decoded)
        if (!isDirectionMark(c))
            number.push_back(asciiDigit(c));
    trim(number);
    if (!unit->empty() && number.size() > unit->size() && number.ends_with(*unit)) {
        number.resize(number.size() - unit->size());
        trim(number);
    }
    bool negative = false;
    if (!number.empty() && (number[0] == '-' || number[0] == '+' || number[0] == 0x2212)) {
        negative = number[0] != '+';
        number.erase(0, 1);
    }
    // The locale's own reading first; "." as the decimal point where it is not the locale's.
    std::vector<Reading> readings{{*decimal, *grouping}};
    if (*decimal != U".")
        readings.push_back({U".", *grouping == U"." ? U"" : *grouping});
    for (const Reading& reading : readings)
        if (const auto ascii = reading.read(number)) {
            const auto value = BDouble::fromText((negative ? "-" : "") + ascii->first);
            if (value)
                return PastedNumber{*value, ascii->second};
        }
    return std::nullopt;
}

} // namespace ratio
