#include "engine/BDouble.h"

#include "engine/DecimalDigits.h"

#include <algorithm>
#include <cstdint>

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

// Digits that always fit 64 bits (10^19 - 1 < 2^64), whatever the size of long.
constexpr std::size_t shortDigits = 19;

// mpz_set_ui takes an unsigned long, which has 32 bits on i386 and armhf.
void setMachineInteger(mpz_ptr target, std::uint64_t n) {
    mpz_import(target, 1, -1, sizeof n, 0, 0, &n);
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
    if (whole.size() + fraction.size() <= shortDigits) {
        // Most values: read and reduced in machine integers. Only twos and
        // fives cancel against a power of ten, so no gcd is needed.
        std::uint64_t digits = 0;
        for (const std::string_view part : {whole, fraction})
            for (const char c : part)
                digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
        std::uint64_t denominator = 1;
        std::size_t twos = fraction.size(), fives = fraction.size();
        for (; twos > 0 && digits != 0 && digits % 2 == 0; --twos)
            digits /= 2;
        for (; fives > 0 && digits != 0 && digits % 5 == 0; --fives)
            digits /= 5;
        if (digits != 0)
            for (std::size_t i = 0; i < std::max(twos, fives); ++i)
                denominator *= (i < twos ? 2 : 1) * (i < fives ? 5 : 1);
        setMachineInteger(mpq_numref(result.get_mpq_t()), digits);
        setMachineInteger(mpq_denref(result.get_mpq_t()), denominator);
        if (negative)
            mpq_neg(result.get_mpq_t(), result.get_mpq_t());
        return BDouble(std::move(result));
    }
    std::string digits(text.substr(0, pointAt));
    digits.append(fraction);
    mpz_set_str(mpq_numref(result.get_mpq_t()), digits.c_str(), 10);
    if (!fraction.empty()) {
        mpz_class scratch;
        mpz_set(mpq_denref(result.get_mpq_t()),
                DecimalDigits::tenToThe(fraction.size(), scratch).get_mpz_t());
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

bool BDouble::divideBy(const BDouble& divisor) {
    if (divisor.isZero())
        return false;
    mpq_div(value.get_mpq_t(), value.get_mpq_t(), divisor.value.get_mpq_t());
    return true;
}

void BDouble::negate() {
    mpq_neg(value.get_mpq_t(), value.get_mpq_t());
}

std::string BDouble::decimalExpansion(int precisionAfterDecimalPoint, bool rounded) const {
    return DecimalDigits::expansion(
        value.get_num_mpz_t(), value.get_den_mpz_t(),
        static_cast<unsigned long>(std::max(precisionAfterDecimalPoint, 0)), rounded);
}

std::string BDouble::fractionDescription() const {
    mpz_class integerPart(value.get_num() / value.get_den()); // truncates towards zero
    // -0.5 has no integer digit that could carry the sign.
    const bool signLost = isNegative() && integerPart == 0;
    return signLost ? "-0" : integerPart.get_str();
}

BDouble BDouble::tenToTheMinus(unsigned long exponent) {
    mpq_class result(1);
    mpz_class scratch;
    result.get_den() = DecimalDigits::tenToThe(exponent, scratch);
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
    mpz_class scratch;
    const mpz_class& power = DecimalDigits::tenToThe(places, scratch);
    std::string digits = mpz_class(magnitude % den * power / den).get_str();
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

std::string BDouble::exactText() const {
    // A period of any length shows its parentheses within the first digit.
    if (auto expansion = exactExpansion(1); expansion && expansion->find('(') == std::string::npos)
        return std::move(*expansion);
    return fractionText();
}

std::optional<BDouble> BDouble::fromExactText(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return fromText(text);
    const std::string_view numerator = text.substr(0, slash), denominator = text.substr(slash + 1);
    const auto isWhole = [](std::string_view digits) {
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!isWhole(numerator.starts_with('-') ? numerator.substr(1) : numerator) ||
        !isWhole(denominator))
        return std::nullopt;
    mpq_class fraction;
    fraction.get_num().set_str(std::string(numerator), 10);
    fraction.get_den().set_str(std::string(denominator), 10);
    if (fraction.get_den() == 0)
        return std::nullopt;
    fraction.canonicalize();
    return BDouble(std::move(fraction));
}

} // namespace ratio
