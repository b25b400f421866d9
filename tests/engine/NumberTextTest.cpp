#include "engine/BaseCalculator.h"

#include <gtest/gtest.h>

#include <tuple>

namespace ratio {
namespace {

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

} // namespace
} // namespace ratio
