// The exact number behind every value Ratio shows.
//
// Data flow through the engine: a key changes the calculator's state and its
// BDouble values; BaseCalculator turns a value into the text of row 0; the
// conversion chain takes the same value to row 1's unit, and that text is
// written to row 1. Nothing is rounded except the texts.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// An exact rational number with a decimal text form: a plain value type
// around GMP's mpq_class.
class BDouble {
  public:
    BDouble() = default;
    BDouble(long integer); // NOLINT: integers convert implicitly, as in arithmetic

    // Accepts only "-"? digits ("." digits)?; anything else gives no value.
    static std::optional<BDouble> fromText(std::string_view text);

    friend BDouble operator+(const BDouble& a, const BDouble& b);
    friend BDouble operator-(const BDouble& a, const BDouble& b);
    friend BDouble operator*(const BDouble& a, const BDouble& b);
    // GMP aborts the process on a zero divisor, and no quotient would be right:
    // division has no operator, so every caller says what a zero divisor means.
    std::optional<BDouble> dividedBy(const BDouble& divisor) const;
    // In place, so a chain or a key reuses the number's storage.
    BDouble& operator+=(const BDouble& other);
    BDouble& operator-=(const BDouble& other);
    BDouble& operator*=(const BDouble& other);
    // False, with the number unchanged, for a zero divisor.
    [[nodiscard]] bool divideBy(const BDouble& divisor);
    friend bool operator==(const BDouble& a, const BDouble& b) { return a.value == b.value; }

    void negate();
    bool isNegative() const { return sgn(value) < 0; }
    bool isZero() const { return sgn(value) == 0; }
    bool isInteger() const { return value.get_den() == 1; }

    // "-" when the rounded value is not zero and the value is negative, the
    // integer digits, ".", then exactly `places` digits rounded half away from
    // zero; for 0 places the point is followed by a single "0".
    std::string decimalExpansion(int precisionAfterDecimalPoint, bool rounded = true) const;

    // The digits of a whole number (its integer part otherwise), "-" first when negative.
    std::string fractionDescription() const;

    // 10^-exponent, exactly.
    static BDouble tenToTheMinus(unsigned long exponent);

    // The whole decimal expansion: a terminating one in full ("-2.25", "3"),
    // otherwise with the repeating period in parentheses ("0.(3)",
    // "0.58(3)"); none when the period is longer than `longestPeriod` digits.
    std::optional<std::string> exactExpansion(std::size_t longestPeriod) const;

    // The reduced fraction "p/q" ("-1/7"), or the integer alone.
    std::string fractionText() const;

    // Every digit, as text that reads back to this value: a terminating
    // decimal in full ("-2.25"), otherwise the fraction ("1/3").
    std::string exactText() const;
    // Reads what exactText writes: fromText's decimals and "p/q" with a
    // denominator above zero; nothing for anything else.
    static std::optional<BDouble> fromExactText(std::string_view text);

  private:
    friend class LinearMap; // builds its results from the fractions themselves
    explicit BDouble(mpq_class v) : value(std::move(v)) {}
    mpq_class value;
};

} // namespace ratio
