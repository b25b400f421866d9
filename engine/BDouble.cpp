#include "engine/BDouble.h"

#include <algorithm>
#include <array>

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

// The powers a key and a result text need, made once: 10^8 for every
// result, 10^places for every typed decimal.
constexpr unsigned long keptPowers = 64;
// Digits that always fit an unsigned long.
constexpr std::size_t shortDigits = 19;

const mpz_class& tenToThe(unsigned long exponent, mpz_class& scratch) {
    static const auto powers = [] {
        std::array<mpz_class, keptPowers> table;
        table[0] = 1;
        for (unsigned long e = 1; e < keptPowers; ++e)
            table[e] = table[e - 1] * 10;
        return table;
    }();
    if (exponent < keptPowers)
        return powers[exponent];
    mpz_ui_pow_ui(scratch.get_mpz_t(), 10, exponent);
    return scratch;
}

mpz_class tenToThe(unsigned long exponent) {
    mpz_class scratch;
    return tenToThe(exponent, scratch);
}

// The decimal text of n, written straight into a string with room for
// `extra` more characters.
std::string textOf(mpz_srcptr n, std::size_t extra) {
    const std::size_t room = mpz_sizeinbase(n, 10) + 2;
    std::string text;
    text.reserve(room + extra);
    text.resize(room);
    mpz_get_str(text.data(), 10, n);
    text.resize(std::char_traits<char>::length(text.data()));
    return text;
}

} // namespace

BDouble::BDouble(long integer) : value(integer) {}

std::optional<BDouble> BDouble::fromText(std::string_view text) {
    std::size_t pointAt = 0;
    if (!isDecimalText(text, pointAt))
        return std::nullopt;
    const bool negative = text.front() == '-';
    const std::string_view whole = text.substr(negative ? 1 : 0, pointAt - (negative ? 1 : 0));
    const std::string_view fraction =
        pointAt == std::string_view::npos ? std::string_view() : text.substr(pointAt + 1);
    mpq_class result;
    const mpz_ptr num = mpq_numref(result.get_mpq_t());
    if (whole.size() + fraction.size() <= shortDigits) { // most values: no copy, no parsing by GMP
        unsigned long digits = 0;
        for (const std::string_view part : {whole, fraction})
            for (const char c : part)
                digits = digits * 10 + static_cast<unsigned long>(c - '0');
        mpz_set_ui(num, digits);
        if (negative)
            mpz_neg(num, num);
    } else {
        std::string digits(text.substr(0, pointAt));
        digits.append(fraction);
        mpz_set_str(num, digits.c_str(), 10);
    }
    if (!fraction.empty()) {
        mpz_class scratch;
        mpz_set(mpq_denref(result.get_mpq_t()), tenToThe(fraction.size(), scratch).get_mpz_t());
        result.canonicalize();
    }
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

BDouble& BDouble::operator+=(const BDouble& other) {
    mpq_add(value.get_mpq_t(), value.get_mpq_t(), other.value.get_mpq_t());
    return *this;
}

BDouble& BDouble::operator-=(const BDouble& other) {
    mpq_sub(value.get_mpq_t(), value.get_mpq_t(), other.value.get_mpq_t());
    return *this;
}

BDouble& BDouble::operator*=(const BDouble& other) {
    mpq_mul(value.get_mpq_t(), value.get_mpq_t(), other.value.get_mpq_t());
    return *this;
}

BDouble& BDouble::operator/=(const BDouble& divisor) {
    if (!divisor.isZero())
        mpq_div(value.get_mpq_t(), value.get_mpq_t(), divisor.value.get_mpq_t());
    return *this;
}

void BDouble::negate() {
    mpq_neg(value.get_mpq_t(), value.get_mpq_t());
}

std::string BDouble::decimalExpansion(int precisionAfterDecimalPoint, bool rounded) const {
    const unsigned long places =
        static_cast<unsigned long>(std::max(precisionAfterDecimalPoint, 0));
    std::string text;
    if (isInteger()) { // typed whole numbers: no scaling, no division
        text = textOf(value.get_num_mpz_t(), places + 3);
        text.append(places, '0');
    } else {
        // Scratch numbers reused across calls: a key press allocates no GMP temporaries.
        thread_local mpz_class scaled, remainder, power;
        const mpz_srcptr den = value.get_den_mpz_t();
        mpz_mul(scaled.get_mpz_t(), value.get_num_mpz_t(), tenToThe(places, power).get_mpz_t());
        mpz_abs(scaled.get_mpz_t(), scaled.get_mpz_t());
        mpz_tdiv_qr(scaled.get_mpz_t(), remainder.get_mpz_t(), scaled.get_mpz_t(), den);
        if (rounded) { // halves go away from zero: up when 2r >= d
            mpz_mul_2exp(remainder.get_mpz_t(), remainder.get_mpz_t(), 1);
            if (mpz_cmp(remainder.get_mpz_t(), den) >= 0)
                mpz_add_ui(scaled.get_mpz_t(), scaled.get_mpz_t(), 1);
        }
        text = textOf(scaled.get_mpz_t(), places + 4);
        if (isNegative() && sgn(scaled) != 0)
            text.insert(0, 1, '-');
    }
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t digits = text.size() - sign;
    if (digits <= places)
        text.insert(sign, places + 1 - digits, '0');
    text.insert(text.size() - places, 1, '.');
    if (places == 0)
        text.push_back('0');
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
