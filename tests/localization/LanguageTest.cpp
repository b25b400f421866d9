// Choosing the language and making its table, for every language.
#include "localization/LanguageTables.h"
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using S = LocalizedStrings;

using Variant = Localization::Variant;

// The chooser and the object made from the same list agree, and the object
// holds that language's table, or the variant's.
void expectChoice(const std::vector<std::string>& preferred, Language expected,
                  Variant variant = Variant::None) {
    EXPECT_EQ(Localization::chooseLanguage(preferred), expected);
    EXPECT_EQ(Localization::chooseVariant(preferred), variant);
    const Localization localization(preferred);
    EXPECT_EQ(localization.language, expected);
    EXPECT_EQ(localization.variant, variant);
    EXPECT_EQ(typeid(localization.strings()),
              typeid(*Localization::makeStrings(expected, variant)));
}

TEST(LanguageChoice, PicksByPrefixOfTheFirstEntryOnlyAndRawValuesInRange) {
    // Code i picks the language whose raw value is i.
    // clang-format off
    const char* const codes[] = {
        "de", "en-US", "en", "fr", "es", "pt", "pt-PT", "it", "ca", "pl", "da", "nl", "sv", "fi",
        "nb", "ro", "sk", "cs", "tr", "id", "hr", "hu", "ms", "vi", "el", "ru", "uk", "ja",
        "zh-Hant", "zh", "hi", "ko", "th", "ar", "he"};
    ASSERT_EQ(std::size(codes), static_cast<std::size_t>(Language::Count));
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        SCOPED_TRACE(codes[raw]);
        expectChoice({codes[raw]}, static_cast<Language>(raw));
        // The table comes from the translation file of that locale.
        std::string locale(translationFile(static_cast<Language>(raw)).locale);
        std::replace(locale.begin(), locale.end(), '_', '-');
        EXPECT_TRUE(locale.starts_with(codes[raw])) << locale;
        EXPECT_EQ(Localization::languageFromRawValue(raw), static_cast<Language>(raw));
    }
    using enum Localization::Language;
    const std::pair<std::vector<std::string>, Language> cases[] = {
        // Only en-US is American, and codes compare case-sensitively; longer codes
        // win over the shorter ones they begin with; Norwegian is only Bokmål's code.
        {{"en-US-POSIX"}, EnglishUSA}, {{"en-us"}, EnglishBritish}, {{"DE"}, EnglishBritish},
        {{"pt-BR"}, PortugueseBrazil}, {{"zh-Hant-TW"}, ChineseTraditional},
        {{"zh-Han"}, ChineseSimplified}, {{"nb-NO"}, Norwegian}, {{"nn-NO"}, EnglishBritish},
        // Unknown, shorter than any code, or no code at all; later entries never count.
        {{"e"}, EnglishBritish}, {{std::string("\0de", 3)}, EnglishBritish}, {{}, EnglishBritish},
        {{"xx", "de"}, EnglishBritish}, {{"de", "fr"}, German},
    };
    // clang-format on
    for (const auto& [preferred, expected] : cases) {
        SCOPED_TRACE(preferred.empty() ? "no list" : preferred.front().substr(0, 12));
        expectChoice(preferred, expected);
    }
    // Raw values outside 0 to Count - 1 name no language; a table asked for one is British.
    for (const int raw : {-1, 35, INT_MAX}) {
        EXPECT_FALSE(Localization::languageFromRawValue(raw).has_value()) << raw;
        const std::unique_ptr<S> table = Localization::makeStrings(static_cast<Language>(raw));
        EXPECT_EQ(typeid(*table), typeid(EnglishBritishStrings)) << raw;
    }
}

// Hong Kong and Macau keep Traditional Chinese as their language (plural rules,
// settings, units shown first) with Hong Kong's words over Taiwan's; a tag
// without the script is Simplified Chinese by the prefix rule.
TEST(LanguageChoice, HongKongAndMacauGetHongKongWordsInTraditionalChinese) {
    for (const char* code : {"zh-Hant-HK", "zh-Hant-MO"})
        expectChoice({code}, Language::ChineseTraditional, Variant::ChineseHongKong);
    expectChoice({"zh-HK"}, Language::ChineseSimplified);
    expectChoice({"zh-Hant-TW", "zh-Hant-HK"}, Language::ChineseTraditional);
    const auto taiwan = Localization::makeStrings(Language::ChineseTraditional);
    const auto hongKong =
        Localization::makeStrings(Language::ChineseTraditional, Variant::ChineseHongKong);
    // clang-format off
    const std::pair<std::string S::*, std::pair<const char*, const char*>> words[] = {
        {&S::Meter, {"公尺 (m)", "米 (m)"}}, {&S::Centimeter, {"公分 (cm)", "厘米 (cm)"}},
        {&S::Millimeter, {"公釐 (mm)", "毫米 (mm)"}}, {&S::Ounce, {"盎司 (oz.)", "安士 (oz.)"}},
        // What Hong Kong says as Taiwan does comes from the Traditional table.
        {&S::Kilometer, {"公里 (km)", "公里 (km)"}}, {&S::Cancel, {"取消", "取消"}},
    };
    // clang-format on
    for (const auto& [field, texts] : words) {
        EXPECT_EQ(*taiwan.*field, texts.first);
        EXPECT_EQ(*hongKong.*field, texts.second);
    }
}

} // namespace
} // namespace ratio
