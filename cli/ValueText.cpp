#include "cli/ValueText.h"

namespace ratio {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<BDouble> fail(std::string* problem, std::string message) {
    if (problem)
        *problem = std::move(message);
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// The exponent's digits, or none when it is malformed or out of range.
std::optional<long> exponentOf(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > ValueText::maximumExponent)
            return std::nullopt;
    }
    return negative ? -value : value;
}

// "-"? digits ("." digits?)? or "-"? "." digits, read exactly.
std::optional<BDouble> plainMantissa(std::string_view mantissa) {
    std::string text(mantissa);
    const std::size_t body = !text.empty() && text.front() == '-' ? 1 : 0;
    if (text.size() > body + 1 && text[body] == '.')
        text.insert(body, 1, '0'); // ".5"
    else if (text.size() > body + 1 && text.back() == '.')
        text.pop_back(); // "5."
    return BDouble::fromText(text);
}

// The locale's grouping separator, or a plain space for a no-break one,
// which is what a keyboard gives: its length at `at`, or 0.
std::size_t groupingAt(std::string_view text, std::size_t at, std::string_view grouping) {
    if (text.substr(at).starts_with(grouping))
        return grouping.size();
    const bool noBreakSpace = grouping == "\u00A0" || grouping == "\u202F";
    return noBreakSpace && at < text.size() && text[at] == ' ' ? 1 : 0;
}

// The mantissa written the locale's way, in the plain form; none when it
// uses neither of the locale's separators or its groups are not of three.
std::optional<std::string> localeMantissa(std::string_view text, std::string_view decimal,
                                          std::string_view grouping) {
    std::string plain;
    std::size_t at = 0;
    if (!text.empty() && text.front() == '-')
        plain.push_back(text[at++]);
    std::size_t run = 0, groups = 0; // digits since the last separator
    for (; at < text.size() && !text.substr(at).starts_with(decimal);) {
        if (isDigit(text[at])) {
            plain.push_back(text[at++]);
            ++run;
        } else if (const std::size_t length = groupingAt(text, at, grouping); length > 0) {
            if (run == 0 || run > 3 || (groups > 0 && run != 3))
                return std::nullopt;
            at += length;
            run = 0;
            ++groups;
        } else {
            return std::nullopt;
        }
    }
    const bool hasDecimal = at < text.size();
    const bool leadingZero = plain.size() > 1 && plain[plain.front() == '-' ? 1 : 0] == '0';
    if ((run == 0 && (groups > 0 || !hasDecimal)) || (groups > 0 && (run != 3 || leadingZero)))
        return std::nullopt; // "0.125" is no group of thousands; ",5" is half
    if (groups == 0 && (!hasDecimal || decimal == "."))
        return std::nullopt; // the plain form, nothing of the locale's in it
    if (hasDecimal) {
        const std::string_view fraction = text.substr(at + decimal.size());
        if (fraction.empty() || fraction.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        if (run == 0)
            plain.push_back('0');
        plain.push_back('.');
        plain.append(fraction);
    }
    return plain;
}

struct Split {
    std::string_view mantissa;
    long exponent = 0;
};

// The mantissa and the exponent, or none with `problem` saying why.
std::optional<Split> splitExponent(std::string_view text, std::string* problem) {
    std::string_view mantissa = text;
    if (!mantissa.empty() && mantissa.front() == '+') {
        mantissa.remove_prefix(1);
        if (!mantissa.empty() && (mantissa.front() == '+' || mantissa.front() == '-')) {
            fail(problem, "not a decimal number: " + quoted(text)); // "+-1"
            return std::nullopt;
        }
    }
    const std::size_t e = mantissa.find_first_of("eE");
    if (e == std::string_view::npos)
        return Split{mantissa, 0};
    const auto parsed = exponentOf(mantissa.substr(e + 1));
    if (!parsed) {
        const bool digitsOnly =
            mantissa.substr(e + 1).find_first_not_of("+-0123456789") == std::string_view::npos;
        fail(problem, digitsOnly && e + 1 < mantissa.size()
                          ? "exponent out of range (at most " +
                                std::to_string(ValueText::maximumExponent) + "): " + quoted(text)
                          : "not a decimal number: " + quoted(text));
        return std::nullopt;
    }
    return Split{mantissa.substr(0, e), *parsed};
}

BDouble scaled(const BDouble& value, long exponent) {
    if (exponent == 0)
        return value;
    const BDouble scale =
        BDouble::tenToTheMinus(static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? value * scale : *value.dividedBy(scale); // 10^-n is never zero
}

} // namespace

std::optional<BDouble> ValueText::parse(std::string_view text, std::string* problem) {
    return parse(text, ".", "", problem);
}

std::optional<BDouble> ValueText::parse(std::string_view text, std::string_view decimalSeparator,
                                        std::string_view groupingSeparator, std::string* problem) {
    const auto split = splitExponent(text, problem);
    if (!split)
        return std::nullopt;
    const auto plain = plainMantissa(split->mantissa);
    std::optional<BDouble> local;
    if (!decimalSeparator.empty() && !groupingSeparator.empty())
        if (const auto digits =
                localeMantissa(split->mantissa, decimalSeparator, groupingSeparator))
            local = BDouble::fromText(*digits);
    if (plain && local && !(*plain == *local))
        return fail(problem, "a value of two readings: " + quoted(text) +
                                 "; write it without grouping separators");
    if (!plain && !local)
        return fail(problem, "not a decimal number: " + quoted(text));
    return scaled(plain ? *plain : *local, split->exponent);
}

} // namespace ratio
