// Count texts of the languages whose nouns follow the number: the form must
// agree with the count's last digits, not just with one and many.
#include "localization/CountFormat.h"
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace ratio {
namespace {

using S = LocalizedStrings;

TEST(CountAgreement, FormFollowsTheLastDigitsOfTheCount) {
    using Case = std::tuple<Language, std::string S::*, long long, const char*>;
    // clang-format off
    const Case cases[] = {
        // 1, 21, 101 but not 11 take the singular; 2-4 and 22-24 but not 12-14 the
        // paucal; 0, 5-20 and 25-30 the genitive plural.
        {Language::Russian, &S::NUM_more_currencies, 1, "Ещё 1 валюта"},
        {Language::Russian, &S::NUM_more_currencies, 21, "Ещё 21 валюта"},
        {Language::Russian, &S::NUM_more_currencies, 11, "Ещё 11 валют"},
        {Language::Russian, &S::NUM_more_currencies, 3, "Ещё 3 валюты"},
        {Language::Russian, &S::NUM_more_currencies, 12, "Ещё 12 валют"},
        {Language::Russian, &S::NUM_more_currencies, 0, "Ещё 0 валют"},
        {Language::Russian, &S::NUM_more_lengths, 101, "Ещё 101 единица длины"},
        {Language::Russian, &S::NUM_more_lengths, 24, "Ещё 24 единицы длины"},
        {Language::Russian, &S::NUM_more_lengths, 111, "Ещё 111 единиц длины"},
        {Language::Ukrainian, &S::NUM_more_currencies, 1, "Ще 1 валюта"},
        {Language::Ukrainian, &S::NUM_more_currencies, 11, "Ще 11 валют"},
        {Language::Ukrainian, &S::NUM_more_currencies, 22, "Ще 22 валюти"},
        {Language::Ukrainian, &S::NUM_more_volumes, 31, "Ще 31 одиниця об’єму"},
        {Language::Ukrainian, &S::NUM_more_volumes, 4, "Ще 4 одиниці об’єму"},
        {Language::Ukrainian, &S::NUM_more_volumes, 14, "Ще 14 одиниць об’єму"},
        // No inflection: one text for every count.
        {Language::Vietnamese, &S::NUM_more_lengths, 1, "1 đơn vị độ dài khác"},
        {Language::Vietnamese, &S::NUM_more_currencies, 5, "5 loại tiền tệ khác"},
    };
    // clang-format on
    for (const auto& [language, field, count, expected] : cases) {
        const auto table = Localization::makeStrings(language);
        EXPECT_EQ(formatCount(*table.*field, count, language), expected)
            << static_cast<int>(language) << " with " << count;
    }
}

} // namespace
} // namespace ratio
