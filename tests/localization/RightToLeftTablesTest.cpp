// Count texts of Arabic, Hebrew and Hindi, and texts read right to left: the
// number stays whole, and the noun after it takes the form the count asks for.
#include "localization/CountFormat.h"
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>

namespace ratio {
namespace {

using S = LocalizedStrings;

TEST(RightToLeftTables, CountTextsAgreeWithTheirCount) {
    using Case = std::tuple<Language, std::string S::*, long long, const char*>;
    // clang-format off
    const Case cases[] = {
        // Arabic: singular for 0, 1 and from 11 on, the dual for 2, the plural
        // for 3-10 and for 103-110 again.
        {Language::Arabic, &S::NUM_more_currencies, 0, "0 عملة أخرى"},
        {Language::Arabic, &S::NUM_more_currencies, 1, "1 عملة أخرى"},
        {Language::Arabic, &S::NUM_more_currencies, 2, "2 عملتان أخريان"},
        {Language::Arabic, &S::NUM_more_currencies, 10, "10 عملات أخرى"},
        {Language::Arabic, &S::NUM_more_currencies, 11, "11 عملة أخرى"},
        {Language::Arabic, &S::NUM_more_lengths, 2, "2 وحدتا طول أخريان"},
        {Language::Arabic, &S::NUM_more_lengths, 103, "103 وحدات طول أخرى"},
        {Language::Arabic, &S::NUM_more_lengths, 100, "100 وحدة طول أخرى"},
        // Hebrew: the singular for 1 alone, round tens read like any plural.
        {Language::Hebrew, &S::NUM_more_currencies, 1, "1 מטבע נוסף"},
        {Language::Hebrew, &S::NUM_more_currencies, 20, "20 מטבעות נוספים"},
        {Language::Hebrew, &S::NUM_more_lengths, 1, "1 יחידת אורך נוספת"},
        {Language::Hebrew, &S::NUM_more_lengths, 2, "2 יחידות אורך נוספות"},
        // Hindi: 0 and 1 in the singular.
        {Language::Hindi, &S::NUM_more_currencies, 0, "0 और मुद्रा"},
        {Language::Hindi, &S::NUM_more_currencies, 2, "2 और मुद्राएँ"},
        {Language::Hindi, &S::NUM_more_lengths, 1, "लंबाई की 1 और इकाई"},
    };
    // clang-format on
    for (const auto& [language, field, count, expected] : cases) {
        const auto table = Localization::makeStrings(language);
        EXPECT_EQ(formatCount(*table.*field, count, language), expected)
            << static_cast<int>(language) << " with " << count;
    }
}

// A direction mark in a text would cut a count or a symbol off its number when
// the row is laid out; the layout finds each run's direction by itself.
TEST(RightToLeftTables, NoTableHoldsDirectionMarks) {
    // LRM, RLM, ALM, the embeddings and overrides, and the isolates.
    const std::string_view marks[] = {"\u200E", "\u200F", "\u061C", "\u202A", "\u202B", "\u202C",
                                      "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069"};
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto table = Localization::makeStrings(static_cast<Language>(raw));
        for (const auto& field : S::textFields())
            for (const std::string_view mark : marks)
                EXPECT_EQ((*table.*field.member).find(mark), std::string::npos)
                    << raw << ": " << field.name;
    }
}

} // namespace
} // namespace ratio
