#include "engine/BDouble.h"

#include <algorithm>

namespace ratio {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the whole text before GMP sees any of it, so hostile input costs one scan.
bool isDecimalText(std::string_view text, std::size_t& pointAt) {
    std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == intStart)
        return false;
    pointAt = std::string_view::npos;
    if (i == text.size())
        return true;
    if (text[i] != '.')
        return false;
    pointAt = i++;
    const std::size_t fracStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > fracStart && i == text.size();
}

mpz_class tenToThe(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

} // namespace

BDouble::BDouble(long integer) : value(integer) {}

std::optional<BDouble> BDouble::fromText(std::string_view text) {
    std::size_t pointAt = 0;
    if (!isDecimalText(text, pointAt))
        return std::nullopt;
    std::string digits(text.substr(0, pointAt));
    unsigned long fractionLength = 0;
    if (pointAt != std::string_view::npos) {
        std::string_view fraction = text.substr(pointAt + 1);
        digits.append(fraction);
        fractionLength = fraction.size();
    }
    mpq_class result;
    mpz_set_str(mpq_numref(result.get_mpq_t()), digits.c_str(), 10);
    result.get_den() = tenToThe(fractionLength);
    result.canonicalize();
    return BDouble(std::move(result));
}

BDouble operator+(const BDouble& a, const BDouble& b) {
    return BDouble(mpq_class(a.value + b.value));
}
BDouble operator-(const BDouble& a, const BDouble& b) {
    return BDouble(mpq_class(a.value - b.value));
}
BDouble operator*(const BDouble& a, const BDouble& b) {
    return BDouble(mpq_class(a.value * b.value));
}

BDouble operator/(const BDouble& a, const BDouble& b) {
    return a.dividedBy(b).value_or(a);
}

std::optional<BDouble> BDouble::dividedBy(const BDouble& divisor) const {
    if (divisor.isZero())
        return std::nullopt;
    return BDouble(mpq_class(value / divisor.value));
}

BDouble& BDouble::operator-=(const BDouble& other) {
    value -= other.value;
    return *this;
}

void BDouble::negate() {
    mpq_neg(value.get_mpq_t(), value.get_mpq_t());
}

std::string BDouble::decimalExpansion(int precisionAfterDecimalPoint, bool rounded) const {
    const unsigned long places =
        static_cast<unsigned long>(std::max(precisionAfterDecimalPoint, 0));
    mpz_class magnitude = abs(value.get_num()) * tenToThe(places);
    const mpz_class& den = value.get_den();
    mpz_class scaled;
    if (rounded) {
        // floor((2|n| + d) / 2d): halves go away from zero.
        scaled = (2 * magnitude + den) / (2 * den);
    } else {
        scaled = magnitude / den;
    }
    std::string digits = scaled.get_str();
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    std::string text;
    text.reserve(digits.size() + 3);
    if (isNegative() && scaled != 0)
        text.push_back('-');
    const std::size_t integerDigits = digits.size() - places;
    text.append(digits, 0, integerDigits);
    text.push_back('.');
    if (places == 0)
        text.push_back('0');
    else
        text.append(digits, integerDigits, std::string::npos);
    return text;
}

std::string BDouble::fractionDescription() const {
    mpz_class integerPart(value.get_num() / value.get_den()); // truncates towards zero
    // -0.5 has no integer digit that could carry the sign.
    const bool signLost = isNegative() && integerPart == 0;
    return signLost ? "-0" : integerPart.get_str();
}

BDouble BDouble::tenToTheMinus(unsigned long exponent) {
    mpq_class result(1);
    result.get_den() = tenToThe(exponent);
    return BDouble(std::move(result));
}

std::optional<std::string> BDouble::exactExpansion(std::size_t longestPeriod) const {
    // With the denominator as 2^a 5^b q, q prime to 10, the digits after the
    // point are max(a, b) that never repeat, then a period as long as the
    // order of 10 modulo q.
    const mpz_class& den = value.get_den();
    const auto twos = static_cast<unsigned long>(mpz_scan1(den.get_mpz_t(), 0));
    mpz_class rest = den >> twos;
    const auto fives = static_cast<unsigned long>(
        mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t()));
    const unsigned long preperiod = std::max(twos, fives);
    unsigned long period = 0;
    if (rest != 1) {
        mpz_class power = 10 % rest;
        for (period = 1; power != 1; ++period) {
            if (period == longestPeriod)
                return std::nullopt;
            power = power * 10 % rest;
        }
    }
    const mpz_class magnitude = abs(value.get_num());
    std::string text = isNegative() ? "-" : "";
    text += mpz_class(magnitude / den).get_str();
    const unsigned long places = preperiod + period;
    if (places == 0)
        return text;
    std::string digits = mpz_class(magnitude % den * tenToThe(places) / den).get_str();
    digits.insert(0, places - digits.size(), '0');
    text += '.';
    text.append(digits, 0, preperiod);
    if (period > 0)
        text += "(" + digits.substr(preperiod) + ")";
    return text;
}

std::string BDouble::fractionText() const {
    return isInteger() ? value.get_num().get_str() : value.get_str();
}

} // namespace ratio
