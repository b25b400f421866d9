#include "engine/BDouble.h"

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
        "", "-", ".", "1.", ".5", "-.5", "1e3", "1/0", " 1", "1 ", "+1", "--1", "nan", "inf",
        "0x10", "1,5", "1.2.3", "١", "\xEF\xBC\x91", "12a", std::string("1\0" "2", 3)};
    // clang-format on
    for (const std::string& text : rejected)
        EXPECT_FALSE(BDouble::fromText(text)) << '"' << text << '"';
    std::string garbage(4 << 20, '7'); // megabytes of digits but one, and of binary
    garbage[garbage.size() / 2] = 'x';
    EXPECT_FALSE(BDouble::fromText(garbage));
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>(i * 131 % 256);
    EXPECT_FALSE(BDouble::fromText(garbage));
}

TEST(BDoubleParsing, KeepsEveryDigitExactly) {
    EXPECT_EQ(number("-0.000025").decimalExpansion(6), "-0.000025");
    EXPECT_EQ(number("33.33333333333333333333").decimalExpansion(20), "33.33333333333333333333");
    EXPECT_EQ(number("007.50"), number("7.5"));
    // Around the longest digit string read without GMP's parser, and past it.
    // clang-format off
    const std::pair<const char*, const char*> read[] = {
        {"9999999999999999999", "9999999999999999999.0"},
        {"-99999999999999999999", "-99999999999999999999.0"},
        {"18446744073709551616", "18446744073709551616.0"},
        {"0.0000000000000000001", "0.0000000000000000001"},
        {"-1234567890.123456789", "-1234567890.123456789"},
        {"123456789012.34567891", "123456789012.34567891"},
    };
    // clang-format on
    for (const auto& [text, expansion] : read) {
        const std::string_view fraction =
            std::string_view(expansion).substr(std::string_view(expansion).find('.') + 1);
        const int places = fraction == "0" ? 0 : static_cast<int>(fraction.size());
        EXPECT_EQ(number(text).decimalExpansion(places), expansion) << text;
    }
    // Read in lowest terms, as every later step expects.
    // clang-format off
    const std::pair<const char*, const char*> reduced[] = {
        {"0.0625", "1/16"}, {"-0.04", "-1/25"}, {"0.000", "0"}, {"-0.0", "0"}, {"12.500", "25/2"},
        {"0.9999999999999999999", "9999999999999999999/10000000000000000000"},
        {"1000.0000", "1000"}, {"0.1000000000000000000000", "1/10"},
    };
    // clang-format on
    for (const auto& [text, fraction] : reduced)
        EXPECT_EQ(number(text).fractionText(), fraction) << text;
    EXPECT_TRUE(number("-0.00").isZero());
    EXPECT_FALSE(number("-0.00").isNegative());
    const std::string million(1000000, '9');
    EXPECT_EQ(number(million.c_str()).decimalExpansion(0), million + ".0");
}

TEST(BDoubleArithmetic, IsExactAndRefusesAZeroDivisorWithoutStopping) {
    EXPECT_EQ(number("0.1") + number("0.2"), number("0.3"));
    EXPECT_EQ(quotient(1, 3) * BDouble(3), BDouble(1));
    BDouble value = number("5.5");
    value -= number("0.25");
    value.negate();
    EXPECT_TRUE(value.isNegative());
    EXPECT_EQ(value, number("-5.25"));
    EXPECT_FALSE(BDouble(7).dividedBy(BDouble(0)));
    EXPECT_EQ(*BDouble(7).dividedBy(BDouble(2)), number("3.5"));
}

TEST(BDoubleArithmetic, InPlaceOperationsMatchTheirValueForms) {
    const BDouble a = number("-2.75"), b = quotient(4, 3);
    BDouble sum = a, product = a, ratio = a, byZero = a;
    sum += b;
    product *= b;
    EXPECT_TRUE(ratio.divideBy(b));
    EXPECT_FALSE(byZero.divideBy(BDouble(0)));
    EXPECT_EQ(sum, a + b);
    EXPECT_EQ(product, quotient(-11, 3));
    EXPECT_EQ(ratio, *a.dividedBy(b));
    EXPECT_EQ(ratio.decimalExpansion(5), "-2.06250");
    EXPECT_EQ(byZero, a);
}

TEST(BDoubleExpansion, HasAFixedShapeAndRoundsHalfAwayFromZero) {
    // clang-format off
    const std::tuple<const char*, int, const char*> cases[] = {
        {"100", 0, "100.0"}, {"0.5", 0, "1.0"}, {"-2.5", 0, "-3.0"}, {"2.4", 0, "2.0"},
        {"0.125", 2, "0.13"}, {"-0.125", 2, "-0.13"}, {"0", 3, "0.000"},
        {"-0.000000001", 8, "0.00000000"}, {"0.5", 8, "0.50000000"}, {"12.345", 1, "12.3"},
        {"-12.35", 1, "-12.4"}, {"0.000000005", 8, "0.00000001"}, {"-7", 2, "-7.00"},
        {"-7", 0, "-7.0"}, {"0", 0, "0.0"}, {"-0.4", 0, "0.0"}, {"-0.5", 0, "-1.0"},
    };
    // clang-format on
    for (const auto& [value, places, text] : cases)
        EXPECT_EQ(number(value).decimalExpansion(places), text) << value;
    EXPECT_EQ(quotient(2, 3).decimalExpansion(8), "0.66666667");
    // More places than the kept powers of ten.
    const BDouble tiny = BDouble::tenToTheMinus(70) * BDouble(5);
    EXPECT_EQ(tiny.decimalExpansion(70), "0." + std::string(69, '0') + "5");
    EXPECT_EQ(tiny.decimalExpansion(69), "0." + std::string(68, '0') + "1");
    BDouble negativeTiny = tiny;
    negativeTiny.negate();
    EXPECT_EQ(negativeTiny.decimalExpansion(69, false), "0." + std::string(69, '0'));
    EXPECT_EQ(negativeTiny.decimalExpansion(69), "-0." + std::string(68, '0') + "1");
}

TEST(BDoubleExpansion, ExactlyWithTheRepeatingPeriodInParentheses) {
    const std::pair<BDouble, const char*> cases[] = {
        {BDouble(3), "3"},
        {number("-2.25"), "-2.25"},
        {quotient(1, 3), "0.(3)"},
        {quotient(-1, 7), "-0.(142857)"},
        {quotient(7, 12), "0.58(3)"},        // digits that never repeat, then the period
        {quotient(1, 1024), "0.0009765625"}, // more twos than fives
        {quotient(100, 3), "33.(3)"},
        {quotient(1, 97), "0.("
                          "010309278350515463917525773195876288659793814432989690721649484536082474"
                          "226804123711340206185567)"},
        {BDouble::tenToTheMinus(30), "0.000000000000000000000000000001"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(value.exactExpansion(1000), text) << text;
    EXPECT_EQ(quotient(1, 97).exactExpansion(95), std::nullopt); // its period is 96 digits
    EXPECT_EQ(quotient(1, 97).exactExpansion(96)->size(), 2u + 96u + 2u);
    EXPECT_EQ(quotient(-2, 6).fractionText(), "-1/3");
    EXPECT_EQ(BDouble(-12).fractionText(), "-12");
}

} // namespace
} // namespace ratio
