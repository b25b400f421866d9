#include "support/FakeDisplayHost.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using testing::FakeDisplayHost;
using testing::press;

MetricsCalculations chainOf(Operator op, const char* number) {
    return {MetricsCalculation{op, *BDouble::fromText(number)}};
}

class CalculatorTest : public ::testing::Test {
  protected:
    FakeDisplayHost host;
    OperatorMode operatorMode;
    LegacyCalculator calculator{".", ",", &host, operatorMode};
    std::vector<std::string> diagnostics;

    void SetUp() override {
        calculator.diagnosticSink = [this](const std::string& line) {
            diagnostics.push_back(line);
        };
    }
};

TEST_F(CalculatorTest, KeySequencesShowTheExpectedRow) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"C00", "0"}, {"1.50", "1.50"}, {"1.50=", "1.5"}, {"1/3=", "0.33333333"},
        {"1/3=*3=", "1"}, {"2+3*", "5"}, {"2+3*4=", "20"}, {"5+=", "5"}, {"5+.=", "0."},
        {".", "0."}, {".5", "0.5"}, {"1..5", "1.5"}, {"2+3=4", "4"}, {"2+3=*2=", "10"},
        {"2-5=", "-3"}, {"2-5=7", "-7"}, {"2-5=.5", "0.5"}, {"1.N", "-1."}, {"1.20N", "-1.20"},
        {"1/3=N", "-0.33333333"}, {"4N5", "-45"}, {"1.000000001=", "1"},
        {"0.000000001*1000000000=", "1"},
        {"123456789012345678901234567890", "123,456,789,012,345,678,901,234,567,890"},
        {"999999999999999999999999999999+1=", "1,000,000,000,000,000,000,000,000,000,000"},
    };
    // clang-format on
    for (const auto& [keys, row0] : cases) {
        press(calculator, "C");
        press(calculator, keys);
        EXPECT_EQ(host.row0, row0) << keys;
    }
}

TEST_F(CalculatorTest, DivisionByZeroAlertsAndShowsTheDivisor) {
    press(calculator, "5/0=");
    EXPECT_EQ(host.alerts, 1);
    EXPECT_EQ(host.row0, "0");
    EXPECT_TRUE(calculator.Number0.isZero());
    press(calculator, "7");
    EXPECT_EQ(host.row0, "7");
    press(calculator, "/0.0+");
    EXPECT_EQ(host.alerts, 2);
}

// Mode switches are reported only when the mode changes; typed decimal places
// go to the diagnostic line.
TEST_F(CalculatorTest, ReportsModeSwitchesAndTypedDecimalPlaces) {
    std::vector<std::pair<Mode, Mode>> switches;
    operatorMode.modeSwitchedSelector = [&](Mode from, Mode to) {
        switches.emplace_back(from, to);
    };
    press(calculator, "2+3*4=C1.25");
    const std::vector<std::pair<Mode, Mode>> expected{{Mode::None, Mode::Addition},
                                                      {Mode::Addition, Mode::None},
                                                      {Mode::None, Mode::Multiplication},
                                                      {Mode::Multiplication, Mode::None}};
    EXPECT_EQ(switches, expected);
    EXPECT_EQ(diagnostics, (std::vector<std::string>{"DecimalSeparatorInputPlace 0",
                                                     "DecimalSeparatorInputPlace 1"}));
}

// Clear converts zero too, which an offset (°C to °F) makes no zero.
TEST_F(CalculatorTest, ConverterModeAddsUnitsAndConvertsOnEveryKey) {
    host.converterMode = true;
    host.chain0 = chainOf(Operator::Multiplication, "1609.344");
    host.chain1 = chainOf(Operator::Multiplication, "1000");
    const std::pair<const char*, const char*> steps[] = {
        {"C", "0 mile = 0 km"},
        {"2", "2 mile = 3.218688 km"},
        {"000", "2,000 mile = 3,218.688 km"},
        {"N", "-2,000 mile = -3,218.688 km"},
        {"+1=", "-1,999 mile = -3,217.078656 km"},
    };
    for (const auto& [keys, rows] : steps) {
        press(calculator, keys);
        EXPECT_EQ(host.row0 + " = " + host.row1, rows) << keys;
    }
    host.unit0 = "°C";
    host.unit1 = "°F";
    host.chain0 = chainOf(Operator::Addition, "273.15");
    host.chain1 = {{Operator::Subtraction, 32},
                   {Operator::Multiplication, 5},
                   {Operator::Division, 9},
                   {Operator::Addition, *BDouble::fromText("273.15")}};
    press(calculator, "C");
    EXPECT_EQ(host.row0 + " = " + host.row1, "0 °C = 32 °F");
    press(calculator, "100");
    EXPECT_EQ(host.row1, "212 °F");
}

TEST_F(CalculatorTest, AChainDividingByZeroLeavesRowOneAsItWas) {
    host.chain1 = chainOf(Operator::Multiplication, "2");
    press(calculator, "3");
    EXPECT_EQ(host.row1, "1.5 km");
    host.chain1 = chainOf(Operator::Multiplication, "0"); // undone by dividing by 0
    press(calculator, "4");
    EXPECT_EQ(host.row0, "34");
    EXPECT_EQ(host.row1, "1.5 km");
    EXPECT_EQ(calculator.Number1, *BDouble::fromText("1.5"));
}

TEST_F(CalculatorTest, SwappedNumbersStartANewNumberWithoutAPendingOperator) {
    press(calculator, "12+");
    calculator.Number1 = 7;
    calculator.swapNumbers();
    EXPECT_EQ(calculator.Number0, BDouble(7));
    EXPECT_EQ(calculator.Number1, BDouble(12));
    EXPECT_EQ(operatorMode.modeEnum(), Mode::None);
    press(calculator, "5");
    EXPECT_EQ(host.row0, "5");
}

TEST(CalculatorWithoutScreen, KeepsCountingWithoutWritingRows) {
    OperatorMode operatorMode;
    LegacyCalculator calculator(",", ".", nullptr, operatorMode);
    press(calculator, "12.5*2=");
    EXPECT_EQ(calculator.Number0, BDouble(25));
    EXPECT_EQ(calculator.Number1, BDouble(25));
    press(calculator, "/0=");
    EXPECT_TRUE(calculator.Number0.isZero());
}

TEST(CalculatorSeparators, MultiByteSeparatorsShowInTheRows) {
    FakeDisplayHost host;
    OperatorMode operatorMode;
    LegacyCalculator arabic("\u066B", "\u066C", &host, operatorMode);
    press(arabic, "12345.");
    EXPECT_EQ(host.row0, "12\u066C345\u066B");
    press(arabic, "/4=");
    EXPECT_EQ(host.row0, "3\u066C086\u066B25");
}

} // namespace
} // namespace ratio
