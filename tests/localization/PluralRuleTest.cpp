// The plural rules of the 35 languages, against CLDR's own data.
#include "localization/PluralRule.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <utility>

namespace ratio {
namespace {

// The counts at which CLDR's integer examples (plurals.xml) change category,
// and a round million, which French, Italian, Portuguese and Spanish treat apart.
constexpr std::array<long long, 13> counts{0, 1, 2, 3, 5, 11, 20, 21, 22, 25, 101, 111, 1000000};

// Per language, the category of each count above: z zero, o one, t two,
// f few, m many, - other. Taken from plurals.xml, not from the code.
// clang-format off
const std::pair<Language, const char*> cldrCategories[] = {
        {Language::German, "- o - - - - - - - - - - -"},
        {Language::EnglishUSA, "- o - - - - - - - - - - -"},
        {Language::EnglishBritish, "- o - - - - - - - - - - -"},
        {Language::French, "o o - - - - - - - - - - m"},
        {Language::Spanish, "- o - - - - - - - - - - m"},
        {Language::PortugueseBrazil, "o o - - - - - - - - - - m"},
        {Language::PortuguesePortugal, "- o - - - - - - - - - - m"},
        {Language::Italian, "- o - - - - - - - - - - m"},
        {Language::Catalan, "- o - - - - - - - - - - -"},
        {Language::Polish, "m o f f m m m m f m m m m"},
        {Language::Danish, "- o - - - - - - - - - - -"},
        {Language::Dutch, "- o - - - - - - - - - - -"},
        {Language::Swedish, "- o - - - - - - - - - - -"},
        {Language::Finnish, "- o - - - - - - - - - - -"},
        {Language::Norwegian, "- o - - - - - - - - - - -"},
        {Language::Romanian, "f o f f f f - - - - - f -"},
        {Language::Slovac, "- o f f - - - - - - - - -"},
        {Language::Czech, "- o f f - - - - - - - - -"},
        {Language::Turkish, "- o - - - - - - - - - - -"},
        {Language::Indonesian, "- - - - - - - - - - - - -"},
        {Language::Croatian, "- o f f - - - o f - o - -"},
        {Language::Hungarian, "- o - - - - - - - - - - -"},
        {Language::Malay, "- - - - - - - - - - - - -"},
        {Language::Vietnamese, "- - - - - - - - - - - - -"},
        {Language::Greek, "- o - - - - - - - - - - -"},
        {Language::Russian, "m o f f m m m o f m o m m"},
        {Language::Ukrainian, "m o f f m m m o f m o m m"},
        {Language::Japanese, "- - - - - - - - - - - - -"},
        {Language::ChineseTraditional, "- - - - - - - - - - - - -"},
        {Language::ChineseSimplified, "- - - - - - - - - - - - -"},
        {Language::Hindi, "o o - - - - - - - - - - -"},
        {Language::Korean, "- - - - - - - - - - - - -"},
        {Language::Thai, "- - - - - - - - - - - - -"},
        {Language::Arabic, "z o t f f m m m m m - m -"},
        {Language::Hebrew, "- o t - - - m - - - - - m"},
};
// clang-format on

char letterOf(PluralCategory category) {
    return "zotfm-"[static_cast<int>(category)];
}

TEST(PluralRule, EveryLanguageSortsCountsAsCldrDoes) {
    for (const auto& [language, expected] : cldrCategories) {
        SCOPED_TRACE(static_cast<int>(language));
        std::string letters;
        for (const long long count : counts)
            letters += std::string(letters.empty() ? "" : " ") +
                       letterOf(pluralCategory(pluralRuleOf(language), count));
        EXPECT_EQ(letters, expected);
    }
    EXPECT_EQ(std::size(cldrCategories), static_cast<std::size_t>(Language::Count));
}

TEST(PluralRule, NegativeCountsTakeTheirSizesCategory) {
    for (const auto& [language, expected] : cldrCategories)
        for (const long long count : {1LL, 2LL, 3LL, 11LL, 1000000LL})
            EXPECT_EQ(pluralCategory(pluralRuleOf(language), -count),
                      pluralCategory(pluralRuleOf(language), count))
                << static_cast<int>(language) << " at " << count;
    // The smallest count has no positive twin; it must not overflow.
    EXPECT_EQ(pluralCategory(PluralRule::Polish, LLONG_MIN), PluralCategory::Many);
}

TEST(PluralCategory, KeywordsNameTheSixCategoriesOnly) {
    for (const char* name : {"zero", "one", "two", "few", "many", "other"}) {
        const auto category = pluralCategoryNamed(name);
        ASSERT_TRUE(category.has_value()) << name;
        EXPECT_EQ(pluralCategoryName(*category), name);
    }
    for (const char* notOne : {"", "One", "others", " one", "o"})
        EXPECT_FALSE(pluralCategoryNamed(notOne).has_value()) << '"' << notOne << '"';
}

} // namespace
} // namespace ratio
