// Numbers brought in from the clipboard: which texts are numbers in which
// locale, and that entering one equals typing it after a clear.
#include "engine/PastedNumber.h"
#include "engine/CalculatorDisplayHost.h"
#include "engine/KeypadKey.h"
#include "engine/LegacyCalculator.h"

#include <gtest/gtest.h>

#include <string>

namespace ratio {
namespace {

struct Separators {
    const char* decimal;
    const char* grouping;
};
constexpr Separators british{".", ","}, german{",", "."}, arabic{"٫", "٬"}, french{",", "\u202F"};

TEST(PastedNumber, ReadsWhatSpreadsheetsPagesAndRowsWrite) {
    const struct {
        Separators locale;
        const char* text;
        const char* value; // as BDouble::fromText reads it; nullptr: not a number
        int places;
    } cases[] = {
        {british, "1234.5", "1234.5", 1},
        {british, "1,234,567.25", "1234567.25", 2},
        {british, "  -42 ", "-42", -1},
        {british, "+7", "7", -1},
        {british, "\u22123.50", "-3.50", 2},
        {british, "12.5 mile", "12.5", 1},
        {british, "12.5mile", "12.5", 1},
        {british, ".5", "0.5", 1},
        {british, "5.", "5", 0},
        {british, "007", "7", -1},
        {german, "1.234,5", "1234.5", 1},
        {german, "1234,5", "1234.5", 1},
        {german, "1.234", "1234", -1}, // the locale's grouping wins
        {german, "1.5", "1.5", 1},     // no grouping in threes: a decimal point
        {german, "12.345.678", "12345678", -1},
        {arabic, "١٬٢٣٤٫٥", "1234.5", 1},
        {arabic, "1٬234٫5", "1234.5", 1},
        {arabic, "\u061C-1٬234.5", "-1234.5", 1},
        {arabic, "٣٫١٤", "3.14", 2},
        {french, "1 234,5", "1234.5", 1},
        {french, "1\u00A0234,5", "1234.5", 1},
        {british, "１２３", "123", -1},
        // Not numbers, or numbers of another locale that would be misread.
        {british, "1,5", nullptr, 0},
        {british, "12,34,567", nullptr, 0},
        {british, "1,2345", nullptr, 0},
        {british, ",123", nullptr, 0},
        {british, "1.2.3", nullptr, 0},
        {british, "12 km", nullptr, 0},
        {british, "mile", nullptr, 0},
        {british, "", nullptr, 0},
        {british, "  ", nullptr, 0},
        {british, "-", nullptr, 0},
        {british, ".", nullptr, 0},
        {british, "--5", nullptr, 0},
        {british, "5-", nullptr, 0},
        {british, "1e5", nullptr, 0},
        {british, "0x10", nullptr, 0},
        {british, "12\n13", nullptr, 0},
        {british, "\xFF\xFE", nullptr, 0},
        {german, "1,2,3", nullptr, 0},
        {german, "1.234.5", nullptr, 0},
    };
    for (const auto& row : cases) {
        const auto read =
            PastedNumber::read(row.text, row.locale.decimal, row.locale.grouping, "mile");
        if (!row.value) {
            EXPECT_FALSE(read) << row.text;
            continue;
        }
        ASSERT_TRUE(read) << row.text;
        EXPECT_EQ(read->value, *BDouble::fromText(row.value)) << row.text;
        EXPECT_EQ(read->decimalInputPlace, row.places) << row.text;
    }
}

TEST(PastedNumber, ReadsAHundredThousandDigitsExactly) {
    std::string digits = "9." + std::string(99'998, '3') + "7";
    const auto read = PastedNumber::read(digits, ".", ",", "");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->decimalInputPlace, 99'999);
    EXPECT_EQ(read->value, *BDouble::fromText(digits));
}

struct RecordingHost : CalculatorDisplayHost {
    std::string row0, row1;
    MetricsCalculations chain0{MetricsCalculation{}};
    MetricsCalculations chain1{MetricsCalculation{Operator::Multiplication, BDouble(3)}};
    bool isConverterMode() const override { return true; }
    std::string shortName0() const override { return "m"; }
    std::string shortName1() const override { return "ft"; }
    const MetricsCalculations& metricsCalculations0() const override { return chain0; }
    const MetricsCalculations& metricsCalculations1() const override { return chain1; }
    void setNumber0Text(const std::string& text) override { row0 = text; }
    void setNumber1Text(const std::string& text) override { row1 = text; }
    void showDivisionByZeroAlert() override {}
};

// A calculator in the middle of something, so the entry must also end it.
struct Busy {
    RecordingHost host;
    OperatorMode mode;
    LegacyCalculator calculator{".", ",", &host, mode};
    int lines = 0;
    explicit Busy(const char* keys) {
        calculator.diagnosticSink = [this](const std::string&) { ++lines; };
        for (const char* key = keys; *key; ++key)
            pressKeypadKey(calculator, *key);
    }
    void press(const char* keys) {
        for (const char* key = keys; *key; ++key)
            pressKeypadKey(calculator, *key);
    }
};

// After the entry and after any keys that follow, rows and state equal those
// of typing the number after a clear.
TEST(PastedNumber, EnteringIsTypingAfterAClear) {
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
                typed.press("C");
                typed.press(number.typed);
                entered.calculator.enterNumber(*BDouble::fromText(number.value), number.places);
                EXPECT_EQ(entered.host.row0, typed.host.row0);
                EXPECT_EQ(entered.host.row1, typed.host.row1);
                EXPECT_EQ(entered.mode.modeEnum(), typed.mode.modeEnum());
                typed.press(after);
                entered.press(after);
                EXPECT_EQ(entered.host.row0, typed.host.row0);
                EXPECT_EQ(entered.host.row1, typed.host.row1);
                EXPECT_EQ(entered.calculator.Number0, typed.calculator.Number0);
            }
}

} // namespace
} // namespace ratio
