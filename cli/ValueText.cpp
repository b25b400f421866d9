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

} // namespace

std::optional<BDouble> ValueText::parse(std::string_view text, std::string* problem) {
    const auto quoted = [text] { return "'" + std::string(text) + "'"; };
    std::string_view mantissa = text;
    if (!mantissa.empty() && mantissa.front() == '+') {
        mantissa.remove_prefix(1);
        if (!mantissa.empty() && (mantissa.front() == '+' || mantissa.front() == '-'))
            return fail(problem, "not a decimal number: " + quoted()); // "+-1"
    }
    long exponent = 0;
    if (const std::size_t e = mantissa.find_first_of("eE"); e != std::string_view::npos) {
        const auto parsed = exponentOf(mantissa.substr(e + 1));
        if (!parsed) {
            const bool digitsOnly =
                mantissa.substr(e + 1).find_first_not_of("+-0123456789") == std::string_view::npos;
            return fail(problem, digitsOnly && e + 1 < mantissa.size()
                                     ? "exponent out of range (at most " +
                                           std::to_string(maximumExponent) + "): " + quoted()
                                     : "not a decimal number: " + quoted());
        }
        exponent = *parsed;
        mantissa = mantissa.substr(0, e);
    }
    auto value = BDouble::fromText(mantissa);
    if (!value)
        return fail(problem, "not a decimal number: " + quoted());
    if (exponent == 0)
        return value;
    const BDouble scale =
        BDouble::tenToTheMinus(static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? *value * scale : *value / scale;
}

} // namespace ratio
