// The preferred languages a locale hands to the language choice, as tags that
// carry the script where the language needs one.
#include "platform/LocaleFacts.h"

#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using enum Localization::Language;

Language chosenFor(const QLocale& locale) {
    return Localization::chooseLanguage(LocaleFacts::of(locale).preferredLanguages);
}

// Chinese by territory; the regions whose tags Qt writes with a script the
// choice would otherwise misread ("en-Latn-US", "pt-Latn-PT").
TEST(LocaleFacts, LocalesChooseTheirLanguageAndScript) {
    // clang-format off
    const std::pair<const char*, Language> cases[] = {
        {"zh_TW", ChineseTraditional}, {"zh_HK", ChineseTraditional}, {"zh_MO", ChineseTraditional},
        {"zh_CN", ChineseSimplified}, {"zh_SG", ChineseSimplified}, {"en_US", EnglishUSA},
        {"en_GB", EnglishBritish}, {"pt_PT", PortuguesePortugal}, {"pt_BR", PortugueseBrazil},
        {"de_DE", German}, {"ar_EG", Arabic}, {"he_IL", Hebrew}, {"nb_NO", Norwegian},
        {"C", EnglishBritish},
    };
    // clang-format on
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(chosenFor(QLocale(name)), expected) << name;
    // Hong Kong's and Macau's tags reach the choice of Hong Kong's words.
    using Variant = Localization::Variant;
    for (const auto& [name, expected] : {std::pair{"zh_HK", Variant::ChineseHongKong},
                                         {"zh_MO", Variant::ChineseHongKong},
                                         {"zh_TW", Variant::None}})
        EXPECT_EQ(Localization::chooseVariant(LocaleFacts::of(QLocale(name)).preferredLanguages),
                  expected)
            << name;
}

// The lists Qt gives for the system locale start with a tag without script
// (LANG=zh_TW.UTF-8 gives "zh-TW", "zh-Hant-TW"); LANGUAGE may list several.
TEST(LocaleFacts, TagsGainOrLoseTheScriptAndStayInOrder) {
    using Tags = std::vector<std::string>;
    // clang-format off
    const std::pair<QStringList, Tags> cases[] = {
        {{"zh-TW", "zh-Hant-TW"}, {"zh-Hant-TW"}}, {{"zh-HK", "zh-Hant-HK"}, {"zh-Hant-HK"}},
        {{"zh-MO"}, {"zh-Hant-MO"}}, {{"zh-SG"}, {"zh-Hans-SG"}},
        {{"zh-CN", "zh-Hans-CN", "zh"}, {"zh-Hans-CN", "zh-Hans"}},
        {{"zh-Hant-CN"}, {"zh-Hant-CN"}}, // a script given is kept
        {{"en-US", "en-Latn-US", "en"}, {"en-US", "en"}},
        {{"zh-TW", "zh-Hant-TW", "de", "de-Latn-DE", "de-DE"}, {"zh-Hant-TW", "de", "de-DE"}},
        {{"sr-RS", "sr-Latn-ME"}, {"sr-Cyrl-RS", "sr-Latn-ME"}},
        // What Qt cannot read passes as it is.
        {{"C", "iw", "xx-YY", "", "zh_TW"}, {"C", "iw", "xx-YY", "", "zh_TW"}},
        {{}, {}},
    };
    // clang-format on
    for (const auto& [uiLanguages, expected] : cases)
        EXPECT_EQ(LocaleFacts::preferredLanguageTags(uiLanguages), expected)
            << uiLanguages.join(' ').toStdString();
}

} // namespace
} // namespace ratio
