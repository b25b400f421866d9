// Numbers written the locale's way, as the paste and ratio-cli read them:
// which texts are numbers in which locale, with what typed places, and that
// entering one equals typing it after a clear.
#include "engine/LocaleNumber.h"
#include "support/RowRecorder.h"

#include <gtest/gtest.h>

#include <string>
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
        {british, "12 km"}, {british, ""}, {british, "+-5"}, {british, "5-"},
        {british, "\xFF\xFE"}, {german, "1.234.5"},
        {british, "0,500"}, {british, "01,000"}, {british, "1,000,00"}, {british, "1e"},
        {british, "1e3.5"}, {british, "1e100001"}, {british, "1\xC0\xB5"}, // an overlong "5"
        {british, "1e999999999999999999999"}, {british, "e3"}, {british, "1 000"},
        {british, "12345,678"}, {british, "1,000,"}, {british, "1.000,5"}, {french, "1 23"},
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

// A converting calculator in the middle of something, so the entry must also end it.
struct Busy {
    testing::RowRecorder host;
    OperatorMode mode;
    LegacyCalculator calculator{".", ",", &host, mode};
    explicit Busy(const char* keys) {
        host.chain1 = {MetricsCalculation{Operator::Multiplication, BDouble(3)}};
        press(keys);
    }
    void press(const char* keys) { testing::press(calculator, keys); }
};

// After the entry and after any keys that follow, rows and state equal those
// of typing the number at that point: after an operator it is the second
// operand, after "=" a new number.
TEST(EnteredNumber, EnteringIsTypingAtThatPoint) {
    const struct {
        const char* typed; // after a clear; "N" changes the sign
        const char* value;
        int places;
    } numbers[] = {{"1234", "1234", -1}, {"12.50", "12.50", 2}, {"7.", "7", 0},
                   {".5", "0.5", 1},     {"0", "0", -1},        {"3.25N", "-3.25", 2}};
    for (const char* before : {"", "5+", "9*2=", "4/"})
        for (const auto& number : numbers)
            for (const char* after : {"", "3", ".", "7+1=", "N", "*2="}) {
                SCOPED_TRACE(std::string(before) + " | " + number.typed + " | " + after);
                Busy typed(before), entered(before);
                typed.press(number.typed);
                entered.calculator.enterNumber(*BDouble::fromText(number.value), number.places);
                typed.press(after);
                entered.press(after);
                EXPECT_EQ(entered.host.row0, typed.host.row0);
                EXPECT_EQ(entered.host.row1, typed.host.row1);
                EXPECT_EQ(entered.mode.modeEnum(), typed.mode.modeEnum());
                EXPECT_EQ(entered.calculator.Number0, typed.calculator.Number0);
            }
}

} // namespace
} // namespace ratio
