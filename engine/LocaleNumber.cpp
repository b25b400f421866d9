#include "engine/LocaleNumber.h"

#include "engine/Utf8.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ratio {

namespace {

using Problem = LocaleNumber::Problem;

bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isSpace(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == 0xA0 || c == 0x2009 ||
           c == 0x202F || c == 0x3000;
}

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Digits of other scripts as ASCII digits; everything else unchanged.
char32_t asciiDigit(char32_t c) {
    for (char32_t zero : {U'\u0660', U'\u06F0', U'\uFF10'})
        if (c >= zero && c <= zero + 9)
            return U'0' + (c - zero);
    return c;
}

// Without direction marks and surrounding spaces, digits in ASCII.
std::u32string normalized(const std::u32string& text) {
    std::u32string out;
    for (char32_t c : text)
        if (!isDirectionMark(c))
            out.push_back(asciiDigit(c));
    const auto first = std::find_if_not(out.begin(), out.end(), isSpace);
    const auto last = std::find_if_not(out.rbegin(), out.rend(), isSpace).base();
    return first < last ? std::u32string(first, last) : std::u32string();
}

// Digits and point, as "int.fraction" in ASCII, with the typed places.
struct Mantissa {
    std::string ascii;
    int places = -1;
};

// One way of writing the digits: its decimal separator and its grouping separator.
struct Reading {
    std::u32string decimal;
    std::u32string grouping;

    bool groups(char32_t c) const {
        if (grouping.size() != 1)
            return false;
        return isSpace(grouping[0]) ? isSpace(c) : c == grouping[0];
    }

    // The integer digits; none unless ungrouped or in well-formed groups.
    std::optional<std::string> wholeDigits(const std::u32string& whole) const {
        std::string ascii;
        std::size_t run = 0; // digits since the last separator
        bool grouped = false;
        for (char32_t c : whole) {
            if (groups(c)) {
                // The first group holds one to three digits, every later one three.
                if (run == 0 || run > 3 || (grouped && run != 3))
                    return std::nullopt;
                grouped = true;
                run = 0;
            } else if (isDigit(c)) {
                ascii.push_back(static_cast<char>(c));
                ++run;
            } else {
                return std::nullopt;
            }
        }
        if (grouped && (run != 3 || ascii.front() == '0'))
            return std::nullopt; // "0,500" groups nothing
        return ascii;
    }

    std::optional<Mantissa> read(const std::u32string& digits) const {
        const std::size_t point = decimal.empty() ? std::u32string::npos : digits.find(decimal);
        auto whole = wholeDigits(digits.substr(0, point));
        if (!whole)
            return std::nullopt;
        if (point == std::u32string::npos)
            return whole->empty() ? std::nullopt : std::optional(Mantissa{*whole, -1});
        const std::u32string fraction = digits.substr(point + decimal.size());
        if (!std::all_of(fraction.begin(), fraction.end(), isDigit) ||
            (whole->empty() && fraction.empty()))
            return std::nullopt;
        Mantissa mantissa{whole->empty() ? "0" : *whole, static_cast<int>(fraction.size())};
        if (!fraction.empty())
            mantissa.ascii += "." + std::string(fraction.begin(), fraction.end());
        return mantissa;
    }
};

// The exponent after "e", or the problem with it.
std::variant<long, Problem> exponentOf(std::u32string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit))
        return Problem::NotANumber;
    long value = 0;
    for (char32_t c : text) {
        value = value * 10 + static_cast<long>(c - U'0');
        if (value > LocaleNumber::maximumExponent)
            return Problem::ExponentOutOfRange;
    }
    return negative ? -value : value;
}

// The sign and what follows it; none for a second sign.
std::optional<bool> takeSign(std::u32string& number) {
    const auto isSign = [](char32_t c) { return c == '-' || c == '+' || c == 0x2212; };
    if (number.empty() || !isSign(number[0]))
        return false;
    const bool negative = number[0] != '+';
    number.erase(0, 1);
    if (!number.empty() && isSign(number[0]))
        return std::nullopt;
    return negative;
}

LocaleNumber scaled(const BDouble& value, const Mantissa& mantissa, long exponent) {
    if (exponent == 0)
        return {value, mantissa.places};
    const BDouble scale =
        BDouble::tenToTheMinus(static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    const long places = std::max(mantissa.places, 0) - exponent;
    // 10^-n is never zero, so the division always has a result.
    return {exponent < 0 ? value * scale : *value.dividedBy(scale), places > 0 ? int(places) : -1};
}

} // namespace

std::variant<LocaleNumber, Problem> LocaleNumber::read(std::string_view text,
                                                       std::string_view decimalSeparator,
                                                       std::string_view groupingSeparator) {
    const auto decoded = decodeUtf8(text);
    const auto decimal = decodeUtf8(decimalSeparator);
    const auto grouping = decodeUtf8(groupingSeparator);
    if (!decoded || !decimal || !grouping)
        return Problem::NotANumber;
    std::u32string number = normalized(*decoded);
    const auto negative = takeSign(number);
    if (!negative)
        return Problem::NotANumber;
    long exponent = 0;
    if (const std::size_t e = number.find_first_of(U"eE"); e != std::u32string::npos) {
        const auto parsed = exponentOf(std::u32string_view(number).substr(e + 1));
        if (const auto* problem = std::get_if<Problem>(&parsed))
            return *problem;
        exponent = std::get<long>(parsed);
        number.resize(e);
    }
    std::vector<Reading> readings{{*decimal, *grouping}};
    if (*decimal != U".")
        readings.push_back({U".", *grouping == U"." ? U"" : *grouping});
    for (const Reading& reading : readings)
        if (const auto mantissa = reading.read(number))
            if (const auto value = BDouble::fromText((*negative ? "-" : "") + mantissa->ascii))
                return scaled(*value, *mantissa, exponent);
    return Problem::NotANumber;
}

std::optional<BDouble> LocaleNumber::valueOf(std::string_view text,
                                             std::string_view decimalSeparator,
                                             std::string_view groupingSeparator) {
    auto read = LocaleNumber::read(text, decimalSeparator, groupingSeparator);
    if (auto* number = std::get_if<LocaleNumber>(&read))
        return std::move(number->value);
    return std::nullopt;
}

} // namespace ratio
