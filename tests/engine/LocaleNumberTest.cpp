// Numbers and keys written the locale's way: which texts are numbers in which
// locale, with what typed places, as the paste and ratio-cli read them; the
// grouping the rows show; and keys as text, the one map that the window's
// keyboard and ratio-cli's key sequences share.
#include "engine/LocaleNumber.h"
#include "engine/BaseCalculator.h"
#include "engine/KeypadKey.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <variant>

namespace ratio {
namespace {

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
