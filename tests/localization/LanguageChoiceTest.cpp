#include "localization/LanguageTables.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace ratio {
namespace {

using testing::allLanguages;

struct ChoiceCase {
    std::vector<std::string> preferred;
    Language expected;
};

std::ostream& operator<<(std::ostream& out, const ChoiceCase& c) {
    out << "{";
    for (const auto& entry : c.preferred)
        out << '"' << entry << "\" ";
    return out << "} -> " << static_cast<int>(c.expected);
}

class LanguageChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoice, PicksByPrefixOfFirstEntry) {
    const ChoiceCase& c = GetParam();
    EXPECT_EQ(Localization::chooseLanguage(c.preferred), c.expected);

    // The object made from the same list agrees, and holds that language's table.
    const Localization localization(c.preferred);
    EXPECT_EQ(localization.language, c.expected);
    const auto& table = localization.strings();
    EXPECT_EQ(std::type_index(typeid(table)),
              allLanguages.at(static_cast<std::size_t>(c.expected)).tableClass);
}

INSTANTIATE_TEST_SUITE_P(RegionalVariants, LanguageChoice,
                         ::testing::Values(
                             // Only en-US is American; every other English is British.
                             ChoiceCase{{"en-US"}, Language::EnglishUSA},
                             ChoiceCase{{"en-US-POSIX"}, Language::EnglishUSA},
                             ChoiceCase{{"en-GB"}, Language::EnglishBritish},
                             ChoiceCase{{"en-AU"}, Language::EnglishBritish},
                             ChoiceCase{{"en-CA"}, Language::EnglishBritish},
                             ChoiceCase{{"en"}, Language::EnglishBritish},
                             ChoiceCase{{"en-U"}, Language::EnglishBritish},
                             ChoiceCase{{"en-us"}, Language::EnglishBritish},
                             // Longer codes win over the shorter ones they begin with.
                             ChoiceCase{{"pt-PT"}, Language::PortuguesePortugal},
                             ChoiceCase{{"pt-BR"}, Language::PortugueseBrazil},
                             ChoiceCase{{"pt"}, Language::PortugueseBrazil},
                             ChoiceCase{{"pt-pt"}, Language::PortugueseBrazil},
                             ChoiceCase{{"zh-Hant-TW"}, Language::ChineseTraditional},
                             ChoiceCase{{"zh-Hant-HK"}, Language::ChineseTraditional},
                             ChoiceCase{{"zh-Hant"}, Language::ChineseTraditional},
                             ChoiceCase{{"zh-Hans-CN"}, Language::ChineseSimplified},
                             ChoiceCase{{"zh-HK"}, Language::ChineseSimplified},
                             ChoiceCase{{"zh-TW"}, Language::ChineseSimplified},
                             ChoiceCase{{"zh-Han"}, Language::ChineseSimplified},
                             ChoiceCase{{"zh"}, Language::ChineseSimplified},
                             // Norwegian is only Bokmål's code.
                             ChoiceCase{{"nb-NO"}, Language::Norwegian},
                             ChoiceCase{{"nn"}, Language::EnglishBritish},
                             ChoiceCase{{"nn-NO"}, Language::EnglishBritish},
                             ChoiceCase{{"no"}, Language::EnglishBritish},
                             ChoiceCase{{"de-CH"}, Language::German},
                             ChoiceCase{{"de"}, Language::German}));

INSTANTIATE_TEST_SUITE_P(
    EveryCode, LanguageChoice,
    ::testing::Values(
        ChoiceCase{{"de-DE"}, Language::German}, ChoiceCase{{"fr-FR"}, Language::French},
        ChoiceCase{{"es-419"}, Language::Spanish}, ChoiceCase{{"it-IT"}, Language::Italian},
        ChoiceCase{{"ca-ES"}, Language::Catalan}, ChoiceCase{{"pl-PL"}, Language::Polish},
        ChoiceCase{{"da-DK"}, Language::Danish}, ChoiceCase{{"nl-BE"}, Language::Dutch},
        ChoiceCase{{"sv-SE"}, Language::Swedish}, ChoiceCase{{"fi-FI"}, Language::Finnish},
        ChoiceCase{{"ro-RO"}, Language::Romanian}, ChoiceCase{{"sk-SK"}, Language::Slovac},
        ChoiceCase{{"cs-CZ"}, Language::Czech}, ChoiceCase{{"tr-TR"}, Language::Turkish},
        ChoiceCase{{"id-ID"}, Language::Indonesian}, ChoiceCase{{"hr-HR"}, Language::Croatian},
        ChoiceCase{{"hu-HU"}, Language::Hungarian}, ChoiceCase{{"ms-MY"}, Language::Malay},
        ChoiceCase{{"vi-VN"}, Language::Vietnamese}, ChoiceCase{{"el-GR"}, Language::Greek},
        ChoiceCase{{"ru-RU"}, Language::Russian}, ChoiceCase{{"uk-UA"}, Language::Ukrainian},
        ChoiceCase{{"ja-JP"}, Language::Japanese}, ChoiceCase{{"hi-IN"}, Language::Hindi},
        ChoiceCase{{"ko-KR"}, Language::Korean}, ChoiceCase{{"th-TH"}, Language::Thai},
        ChoiceCase{{"ar-EG"}, Language::Arabic}, ChoiceCase{{"he-IL"}, Language::Hebrew}));

INSTANTIATE_TEST_SUITE_P(UnknownOrOdd, LanguageChoice,
                         ::testing::Values(
                             // Codes are compared case-sensitively.
                             ChoiceCase{{"DE"}, Language::EnglishBritish},
                             ChoiceCase{{"De-de"}, Language::EnglishBritish},
                             // Legacy codes the table does not know.
                             ChoiceCase{{"iw"}, Language::EnglishBritish},
                             ChoiceCase{{"in"}, Language::EnglishBritish},
                             // Shorter than any code, empty, or not a code at all.
                             ChoiceCase{{"e"}, Language::EnglishBritish},
                             ChoiceCase{{""}, Language::EnglishBritish},
                             ChoiceCase{{" de"}, Language::EnglishBritish},
                             ChoiceCase{{std::string("\0de", 3)}, Language::EnglishBritish},
                             ChoiceCase{{std::string(10000, 'x')}, Language::EnglishBritish},
                             ChoiceCase{{"xx-XX"}, Language::EnglishBritish},
                             // No list at all.
                             ChoiceCase{{}, Language::EnglishBritish}));

INSTANTIATE_TEST_SUITE_P(OnlyFirstEntryCounts, LanguageChoice,
                         ::testing::Values(ChoiceCase{{"xx", "de"}, Language::EnglishBritish},
                                           ChoiceCase{{"de", "fr"}, Language::German},
                                           ChoiceCase{{"", "ja"}, Language::EnglishBritish},
                                           ChoiceCase{{"en-GB", "en-US"}, Language::EnglishBritish},
                                           ChoiceCase{{"nn-NO", "nb-NO"},
                                                      Language::EnglishBritish}));

TEST(LanguageRawValue, EveryRawValueUpToCountHasItsCase) {
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        SCOPED_TRACE(raw);
        const auto language = Localization::languageFromRawValue(raw);
        ASSERT_TRUE(language.has_value());
        EXPECT_EQ(*language, allLanguages.at(static_cast<std::size_t>(raw)).language);
    }
    EXPECT_EQ(static_cast<int>(Language::Count), 35);
    EXPECT_EQ(Localization::languageFromRawValue(35), Language::Count);
}

TEST(LanguageRawValue, OutsideTheRangeGivesNone) {
    for (const int raw : {-1, 36, 37, 100, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(raw);
        EXPECT_FALSE(Localization::languageFromRawValue(raw).has_value());
    }
}

TEST(SharedLocalization, IsCreatedOnceAndKeepsItsChoice) {
    int asked = 0;
    Localization::preferredLanguagesSource = [&asked] {
        ++asked;
        return std::vector<std::string>{"fr-FR"};
    };
    Localization& first = Localization::shared();
    Localization& second = Localization::shared();
    Localization::preferredLanguagesSource = nullptr;

    EXPECT_EQ(&first, &second);
    EXPECT_LE(asked, 1);
    // Whatever list made it, its table belongs to its language.
    const auto& table = first.strings();
    EXPECT_EQ(std::type_index(typeid(table)),
              allLanguages.at(static_cast<std::size_t>(first.language)).tableClass);
    if (asked == 1) {
        EXPECT_EQ(first.language, Language::French);
    }
}

TEST(SharedLocalization, BritishTableIsOneBritishObject) {
    const EnglishBritishStrings& first = Localization::sharedBritishStrings();
    const EnglishBritishStrings& second = Localization::sharedBritishStrings();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(std::type_index(typeid(first)), std::type_index(typeid(EnglishBritishStrings)));
    EXPECT_EQ(first.Inch, "Inch");
}

} // namespace
} // namespace ratio
