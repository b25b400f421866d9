#include "engine/BaseCalculator.h"

#include <gtest/gtest.h>

namespace ratio {
namespace {

struct GroupingCase {
    const char* decimal;
    const char* grouping;
    const char* text;
    const char* grouped;
};

TEST(NumberText, GroupsOnlyTheIntegerDigitsWhateverTheSeparators) {
    const GroupingCase cases[] = {
        {".", ",", "1234.5", "1,234.5"},
        {".", ",", "-1234", "-1,234"},
        {".", ",", "-123", "-123"},
        {".", ",", "123", "123"},
        {".", ",", "", ""},
        {".", ",", "1234567.1234567", "1,234,567.1234567"},
        {".", ",", "-100000", "-100,000"},
        {",", ".", "1234,5", "1.234,5"},
        {",", "\u00A0", "1234567,25", "1\u00A0234\u00A0567,25"},
        {",", "\u202F", "-1234", "-1\u202F234"},
        {"\u066B", "\u066C", "1234567\u066B5", "1\u066C234\u066C567\u066B5"},
        {".", "'", "12345.", "12'345."},
    };
    for (const GroupingCase& c : cases) {
        BaseCalculator calculator(c.decimal, c.grouping);
        EXPECT_EQ(calculator.insertGroupingSeparators(c.text), c.grouped) << c.text;
    }
}

TEST(NumberText, ALocaleWithoutSeparatorsGetsPointAndComma) {
    BaseCalculator calculator("", "");
    EXPECT_EQ(calculator.decimalSeparator, ".");
    EXPECT_EQ(calculator.groupingSeparator, ",");
    EXPECT_EQ(calculator.insertGroupingSeparators("1234.5"), "1,234.5");
}

TEST(NumberText, ResultTextTrimsAndUsesTheLocaleSeparator) {
    BaseCalculator point(".", ",");
    BaseCalculator arabic("\u066B", "\u066C");
    EXPECT_EQ(point.resultText(BDouble(1) / BDouble(3)), "0.33333333");
    EXPECT_EQ(point.resultText(*BDouble::fromText("2.5")), "2.5");
    EXPECT_EQ(point.resultText(*BDouble::fromText("-0.5")), "-0.5");
    EXPECT_EQ(point.resultText(BDouble(100)), "100");
    EXPECT_EQ(point.resultText(*BDouble::fromText("0.000000001")), "0");
    EXPECT_EQ(point.resultText(*BDouble::fromText("-0.000000001")), "0");
    EXPECT_EQ(arabic.resultText(*BDouble::fromText("-2.5")), "-2\u066B5");
}

TEST(NumberText, EntryTextKeepsTypedPlaces) {
    BaseCalculator comma(",", ".");
    EXPECT_EQ(comma.entryText(*BDouble::fromText("1.5"), 2), "1,50");
    EXPECT_EQ(comma.entryText(*BDouble::fromText("-12"), 0), "-12,");
    EXPECT_EQ(comma.entryText(BDouble(120), -1), "120");
    EXPECT_EQ(comma.separatorText(BDouble(12)), "12,");
    EXPECT_EQ(BaseCalculator::trimTrailingZeros("100.000"), "100");
    EXPECT_EQ(BaseCalculator::trimTrailingZeros("0.250"), "0.25");
}

} // namespace
} // namespace ratio
