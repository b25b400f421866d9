// Numbers: exact values read from text, computed, shown to a number of places
// or with their period, and the text of a conversion built in integers; then
// numbers and keys written the locale's way: which texts are numbers in which
// locale, with what typed places, as the paste and ratio-cli read them; the
// grouping the rows show; and keys as text, the one map that the window's
// keyboard and ratio-cli's key sequences share.
#include "engine/BDouble.h"
#include "engine/BaseCalculator.h"
#include "engine/KeypadKey.h"
#include "engine/LinearMap.h"
#include "engine/LocaleNumber.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <variant>

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

struct Separators {
    const char* decimal;
    const char* grouping;
};
constexpr Separators british{".", ","}, german{",", "."}, arabic{"٫", "٬"}, french{",", "\u202F"};

TEST(LocaleNumber, ReadsWhatSpreadsheetsPagesAndRowsWrite) {
    const struct {
        Separators locale;
        const char* text;
        const char* value = nullptr; // as BDouble::fromText reads it; nullptr: not a number
        int places = 0;
    } cases[] = {
        // clang-format off
        {british, "1,234,567.25", "1234567.25", 2}, {british, "  -42 ", "-42", -1},
        {british, "+7", "7", -1}, {british, "\u22123.50", "-3.50", 2}, {british, ".5", "0.5", 1},
        {british, "5.", "5", 0}, {german, "1.234,5", "1234.5", 1},
        {german, "1.234", "1234", -1}, // the locale's grouping wins
        {german, "1.5", "1.5", 1},     // no grouping in threes: a decimal point
        {german, "0.500", "0.5", 3}, {british, "2.50E-3", "0.0025", 5},
        {british, "1,000e-3", "1", 3}, {german, "1,5e+2", "150", -1},
        {arabic, "١٬٢٣٤٫٥", "1234.5", 1}, {arabic, "\u061C-1٬234.5", "-1234.5", 1},
        {british, "１２３", "123", -1}, {french, "1 234,5", "1234.5", 1}, // any space
        // Not numbers, or numbers of another locale that would be misread.
        {british, "1,5"}, {british, "12,34,567"}, {british, "1,2345"}, {british, ",123"},
        {british, "12 km"}, {british, ""}, {british, "+-5"}, {british, "\xFF\xFE"},
        {german, "1.234.5"}, {british, "0,500"}, {british, "01,000"}, {british, "1,000,00"},
        {british, "1e"}, {british, "1e3.5"}, {british, "1e100001"}, {british, "1 000"},
        {british, "1\xC0\xB5"}, {british, "1e999999999999999999999"}, // an overlong "5"; too big
        {british, "12345,678"}, {british, "1.000,5"}, {french, "1 23"},
        // clang-format on
    };
    for (const auto& row : cases) {
        const auto number = LocaleNumber::read(row.text, row.locale.decimal, row.locale.grouping);
        const auto* read = std::get_if<LocaleNumber>(&number);
        if (!row.value) {
            EXPECT_FALSE(read) << row.text;
            continue;
        }
        ASSERT_TRUE(read) << row.text;
        EXPECT_EQ(read->value, *BDouble::fromText(row.value)) << row.text;
        EXPECT_EQ(read->decimalInputPlace, row.places) << row.text;
    }
    EXPECT_EQ(std::get<LocaleNumber::Problem>(LocaleNumber::read("1e100001", ".", ",")),
              LocaleNumber::Problem::ExponentOutOfRange);
    const std::string digits = "9." + std::string(99'998, '3') + "7"; // no limit on digits
    const auto longest = LocaleNumber::read(digits, ".", ",");
    ASSERT_TRUE(std::holds_alternative<LocaleNumber>(longest));
    EXPECT_EQ(std::get<LocaleNumber>(longest).value, *BDouble::fromText(digits));
}

TEST(NumberText, GroupsOnlyTheIntegerDigitsWhateverTheSeparators) {
    // Decimal separator, grouping separator, text, grouped text.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {".", ",", "1234567.1234567", "1,234,567.1234567"}, {".", ",", "-123", "-123"},
        {".", ",", "-100000", "-100,000"}, {".", ",", "123456", "123,456"}, {".", ",", "", ""},
        {".", ",", "-", "-"}, {",", "\u202F", "-1234", "-1\u202F234"},
        {"\u066B", "\u066C", "1234567\u066B5", "1\u066C234\u066C567\u066B5"},
        {".", "'", "12345.", "12'345."}, {"", "", "1234.5", "1,234.5"}, // none: point and comma
    };
    // clang-format on
    for (const auto& [decimal, grouping, text, grouped] : cases)
        EXPECT_EQ(BaseCalculator(decimal, grouping).insertGroupingSeparators(text), grouped)
            << text;
}

// Digits are ASCII, the separator is the locale's; keys press by a single character.
TEST(KeypadKey, TextNamesOneKeyOrNone) {
    using K = KeypadKey;
    const struct {
        const char* text;
        const char* decimalSeparator;
        std::optional<KeypadKey> key;
    } cases[] = {
        // clang-format off
        {"0", ".", K::Digit0}, {"9", ",", K::Digit9}, {"\u0661", ".", std::nullopt},
        {",", ",", K::DecimalSeparator}, {"\u066B", "\u066B", K::DecimalSeparator},
        {".", ",", std::nullopt}, {"", "", std::nullopt}, {"*", ".", K::Multiplication},
        {"=", ".", K::Equals}, {"\r", ".", K::Equals}, {"c", ".", std::nullopt},
        {"12", ".", std::nullopt},
        // clang-format on
    };
    for (const auto& row : cases)
        EXPECT_EQ(keypadKey(row.text, row.decimalSeparator), row.key) << row.text;
}

} // namespace
} // namespace ratio
