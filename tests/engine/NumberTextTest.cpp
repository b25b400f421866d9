#include "engine/BaseCalculator.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ratio {
namespace {

TEST(NumberText, GroupsOnlyTheIntegerDigitsWhateverTheSeparators) {
    // Decimal separator, grouping separator, text, grouped text.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {".", ",", "1234.5", "1,234.5"}, {".", ",", "-1234", "-1,234"}, {".", ",", "-123", "-123"},
        {".", ",", "", ""}, {".", ",", "1234567.1234567", "1,234,567.1234567"},
        {".", ",", "-100000", "-100,000"}, {",", ".", "1234,5", "1.234,5"},
        {",", "\u00A0", "1234567,25", "1\u00A0234\u00A0567,25"},
        {",", "\u202F", "-1234", "-1\u202F234"},
        {"\u066B", "\u066C", "1234567\u066B5", "1\u066C234\u066C567\u066B5"},
        {".", "'", "12345.", "12'345."}, {".", ",", "-", "-"}, {".", ",", "7", "7"},
        {".", ",", "-1234567", "-1,234,567"}, {".", ",", "123456", "123,456"},
        {",", "\u00A0", "-12345678", "-12\u00A0345\u00A0678"},
    };
    // clang-format on
    for (const auto& [decimal, grouping, text, grouped] : cases)
        EXPECT_EQ(BaseCalculator(decimal, grouping).insertGroupingSeparators(text), grouped)
            << text;
    // A locale without separators gets point and comma.
    BaseCalculator none("", "");
    EXPECT_EQ(none.decimalSeparator, ".");
    EXPECT_EQ(none.insertGroupingSeparators("1234.5"), "1,234.5");
}

TEST(NumberText, ResultTextTrimsAndUsesTheLocaleSeparator) {
    BaseCalculator point(".", ",");
    EXPECT_EQ(point.resultText(*BDouble(1).dividedBy(BDouble(3))), "0.33333333");
    EXPECT_EQ(point.resultText(*BDouble::fromText("-0.5")), "-0.5");
    EXPECT_EQ(point.resultText(BDouble(100)), "100");
    EXPECT_EQ(point.resultText(*BDouble::fromText("0.000000001")), "0");
    EXPECT_EQ(point.resultText(*BDouble::fromText("-0.000000001")), "0");
    EXPECT_EQ(BaseCalculator("\u066B", "\u066C").resultText(*BDouble::fromText("-2.5")),
              "-2\u066B5");
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
