// Exact numbers: read from text, computed, shown to a number of places or with
// their period, and the text of a conversion built in integers.
#include "engine/BDouble.h"
#include "engine/LinearMap.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace ratio {
namespace {

BDouble number(const char* text) {
    return *BDouble::fromText(text);
}

BDouble quotient(long a, long b) {
    return *BDouble(a).dividedBy(BDouble(b));
}

TEST(BDoubleParsing, RejectsEverythingButPlainDecimals) {
    // clang-format off
    const std::string rejected[] = {
        "", "-", ".", "1.", ".5", "1e3", " 1", "+1", "--1", "1,5", "1.2.3", "١", "12a",
        std::string("1\0" "2", 3)};
    // clang-format on
    for (const std::string& text : rejected)
        EXPECT_FALSE(BDouble::fromText(text)) << '"' << text << '"';
}

// Around the longest digit string read without GMP's parser, and past it; in
// lowest terms, as every later step expects.
TEST(BDoubleParsing, KeepsEveryDigitExactlyInLowestTerms) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"9999999999999999999", "9999999999999999999"},
        {"-99999999999999999999", "-99999999999999999999"},
        {"18446744073709551616", "18446744073709551616"},
        {"-1234567890.123456789", "-1234567890123456789/1000000000"},
        {"0.0625", "1/16"}, {"-0.04", "-1/25"}, {"-0.0", "0"}, {"007.50", "15/2"},
        {"0.9999999999999999999", "9999999999999999999/10000000000000000000"},
        {"0.1000000000000000000000", "1/10"},
    };
    // clang-format on
    for (const auto& [text, fraction] : cases)
        EXPECT_EQ(number(text).fractionText(), fraction) << text;
    const std::string million(1000000, '9');
    EXPECT_EQ(number(million.c_str()).decimalExpansion(0), million + ".0");
}

// Exact, and a zero divisor is refused with the number left as it was.
TEST(BDoubleArithmetic, IsExactAndRefusesAZeroDivisorWithoutStopping) {
    EXPECT_EQ(number("0.1") + number("0.2"), number("0.3"));
    EXPECT_EQ(quotient(1, 3) * BDouble(3), BDouble(1));
    BDouble byZero = number("-2.75");
    EXPECT_FALSE(byZero.divideBy(BDouble(0)));
    EXPECT_FALSE(byZero.dividedBy(BDouble(0)));
    EXPECT_EQ(byZero, number("-2.75"));
}

TEST(BDoubleExpansion, RoundsHalfAwayFromZeroOrShowsThePeriodExactly) {
    // clang-format off
    const std::tuple<const char*, int, const char*> cases[] = {
        {"100", 0, "100.0"}, {"-2.5", 0, "-3.0"}, {"2.4", 0, "2.0"}, {"0.125", 2, "0.13"},
        {"-0.125", 2, "-0.13"}, {"-0.000000001", 8, "0.00000000"}, {"0.5", 8, "0.50000000"},
        {"0.000000005", 8, "0.00000001"}, {"-7", 2, "-7.00"}, {"-0.4", 0, "0.0"},
    };
    // clang-format on
    for (const auto& [value, places, text] : cases)
        EXPECT_EQ(number(value).decimalExpansion(places), text) << value;
    // More places than the kept powers of ten.
    BDouble tiny = BDouble::tenToTheMinus(70) * BDouble(-5);
    EXPECT_EQ(tiny.decimalExpansion(69), "-0." + std::string(68, '0') + "1");
    EXPECT_EQ(tiny.decimalExpansion(69, false), "0." + std::string(69, '0'));
    tiny.negate();
    EXPECT_EQ(tiny.decimalExpansion(70), "0." + std::string(69, '0') + "5");
    // Exactly: digits that never repeat before the period; none when it is too long.
    EXPECT_EQ(quotient(7, 12).exactExpansion(1000), "0.58(3)");
    EXPECT_EQ(quotient(1, 97).exactExpansion(95), std::nullopt); // its period is 96 digits
    EXPECT_EQ(quotient(1, 97).exactExpansion(96)->size(), 2u + 96u + 2u);
}

// The rounded text built in integers is the text of the exact result, for
// scales and offsets with awkward denominators, values on a rounding
// boundary, signs that flip, and more places than the kept powers of ten.
TEST(LinearMap, RoundedTextIsTheTextOfTheExactResult) {
    const LinearMap maps[] = {
        {quotient(9, 5), BDouble(32)},             // °C to °F
        {quotient(5, 9), quotient(-160, 9)},       // °F to °C
        {number("0.45359237"), BDouble(0)},        // lb to kg
        {quotient(-1, 3), quotient(1, 7)},         // both repeat, the sign flips
        {BDouble(1), number("-0.000000005")},      // shifts a value onto a half
        {quotient(201168, 125), number("273.15")}, // large denominators
    };
    const BDouble values[] = {number("-40"), number("0.000000005"), number("-2.5"), quotient(1, 3),
                              number("98765432109876543210.5")};
    for (const LinearMap& map : maps)
        for (const BDouble& x : values)
            for (int places : {0, 1, 8, 70}) {
                const std::string exact = map(x).decimalExpansion(places);
                EXPECT_EQ(map.decimalExpansion(x, places), exact)
                    << x.fractionText() << " at " << places << " places";
            }
}

} // namespace
} // namespace ratio
