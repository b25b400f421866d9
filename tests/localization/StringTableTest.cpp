// The string tables: the British base, what partial tables fall back to, the translations.
#include "localization/CategoryTexts.h"
#include "localization/CountFormat.h"
#include "localization/Localization.h"
#include "localization/tables/ArabicStrings.h"
#include "localization/tables/CatalanStrings.h"
#include "localization/tables/ChineseSimplifiedStrings.h"
#include "localization/tables/ChineseTraditionalStrings.h"
#include "localization/tables/CroatianStrings.h"
#include "localization/tables/CzechStrings.h"
#include "localization/tables/DanishStrings.h"
#include "localization/tables/DutchStrings.h"
#include "localization/tables/EnglishUSAStrings.h"
#include "localization/tables/FinnishStrings.h"
#include "localization/tables/FrenchStrings.h"
#include "localization/tables/GermanStrings.h"
#include "localization/tables/GreekStrings.h"
#include "localization/tables/HebrewStrings.h"
#include "localization/tables/HindiStrings.h"
#include "localization/tables/HungarianStrings.h"
#include "localization/tables/IndonesianStrings.h"
#include "localization/tables/ItalianStrings.h"
#include "localization/tables/JapaneseStrings.h"
#include "localization/tables/KoreanStrings.h"
#include "localization/tables/MalayStrings.h"
#include "localization/tables/NorwegianStrings.h"
#include "localization/tables/PolishStrings.h"
#include "localization/tables/PortugueseBrazilStrings.h"
#include "localization/tables/PortuguesePortugalStrings.h"
#include "localization/tables/RomanianStrings.h"
#include "localization/tables/RussianStrings.h"
#include "localization/tables/SlovacStrings.h"
#include "localization/tables/SpanishStrings.h"
#include "localization/tables/SwedishStrings.h"
#include "localization/tables/ThaiStrings.h"
#include "localization/tables/TurkishStrings.h"
#include "localization/tables/UkrainianStrings.h"
#include "localization/tables/VietnameseStrings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using S = LocalizedStrings;

// A table that translates only a few texts, to see what falls back.
class PartialStrings : public EnglishBritishStrings {
  public:
    PartialStrings() {
        Cancel = "Cancel·la";
        China = "Xina";
        composeRegionalNames();
    }
    using EnglishBritishStrings::composeRegionalNames;
};

std::set<std::string> namesOfDifferingFields(const S& a, const S& b) {
    std::set<std::string> names;
    for (const auto& field : S::textFields())
        if (a.*field.member != b.*field.member)
            names.insert(field.name);
    return names;
}

TEST(TextFieldList, NamesEachTextFieldOnce) {
    // Member pointers do not order; the addresses they give in one object do.
    const S table;
    std::set<const std::string*> members;
    for (const auto& field : S::textFields())
        members.insert(&(table.*field.member));
    EXPECT_EQ(members.size(), 226u);
}

TEST(BritishStrings, TellingTextsAreByteExact) {
    const EnglishBritishStrings british;
    EXPECT_EQ(british.UK_Pound_sterling, "[UK]\xC2\xA0Pound sterling (£, GBP)");
    // Greek mu, not the micro sign.
    EXPECT_EQ(british.Micrometer, "Micrometre (\xCE\xBCm)");
    // Bó͘ ends in the combining dot above right, U+0358.
    EXPECT_EQ(british.Taiwan_Bó͘, "[Taiwan] 畝 / B\xC3\xB3\xCD\x98 / Méu / Mǔ");
    EXPECT_EQ(british.Select_Auswählen, "Select");

    std::set<std::string> withNoBreakSpace;
    for (const auto& field : S::textFields())
        if ((british.*field.member).find("\xC2\xA0") != std::string::npos)
            withNoBreakSpace.insert(field.name);
    EXPECT_EQ(withNoBreakSpace,
              (std::set<std::string>{"UK_Pound_sterling", "US_Miles_per_gallon"}));
}

TEST(CategoryTexts, NameFiftyTwoDistinctFieldsInTheirRoles) {
    const EnglishBritishStrings british;
    std::set<const std::string*> members;
    for (const auto& category : categoryTexts()) {
        SCOPED_TRACE(british.*category.name);
        for (auto member :
             {category.name, category.moreUnits, category.pickFirst, category.pickSecond})
            members.insert(&(british.*member));
        EXPECT_TRUE((british.*category.moreUnits).starts_with("one{%i more "));
        EXPECT_TRUE((british.*category.pickFirst).starts_with("Pick first "));
        EXPECT_TRUE((british.*category.pickSecond).starts_with("Pick second "));
    }
    EXPECT_EQ(members.size(), 52u);
}

TEST(PartialTable, KeepsBritishTextsAndComposesRegionalNamesAfresh) {
    PartialStrings partial;
    const EnglishBritishStrings british;
    // Only what it set, and the names built from its China word, differ.
    std::set<std::string> expected{"Cancel", "China"};
    for (const auto& field : S::textFields())
        if ((british.*field.member).starts_with("[China] "))
            expected.insert(field.name);
    EXPECT_EQ(expected.size(), 16u);
    EXPECT_EQ(namesOfDifferingFields(partial, british), expected);

    // Composing again replaces rather than nests.
    partial.Taiwan = "Taïwan";
    partial.composeRegionalNames({{&S::China_Renminbi, "Renminbi (CNY)"}, {&S::mǔ_area, "mu"}});
    EXPECT_EQ(partial.China_Renminbi, "[Xina] Renminbi (CNY)");
    EXPECT_EQ(partial.mǔ_area, "[Xina] mu");
    EXPECT_EQ(partial.lǐ_length, "[Xina] lǐ");
    EXPECT_EQ(partial.Taiwan_Pêⁿ, "[Taïwan] 坪 / Pêⁿ / Phiàng / Píng");

    // A rest given once is not remembered for the next composition.
    partial.composeRegionalNames();
    EXPECT_EQ(partial.China_Renminbi, "[Xina] Renminbi (元, CNY, RMB¥, CNH)");
}

TEST(AmericanStrings, DifferFromBritishInExactlyTheMetricSpellings) {
    const EnglishUSAStrings american;
    // clang-format off
    const std::set<std::string> expected{
        "Miles_per_liter", "Kilometer", "Meter", "Decimeter", "Centimeter", "Millimeter",
        "Micrometer", "Nanometer", "Kilometer_per_hour", "Meter_per_second", "Square_kilometer",
        "Square_meter", "Square_centimeter", "Square_millimeter", "Cubic_meter", "Liter",
        "Deciliter", "Milliliter", "Millimeter_of_mercury"};
    // clang-format on
    EXPECT_EQ(namesOfDifferingFields(american, EnglishBritishStrings()), expected);
    EXPECT_EQ(american.Micrometer, "Micrometer (\xCE\xBCm)");
}

TEST(TranslatedTables, TellingTextsAreByteExact) {
    const std::tuple<Language, std::string S::*, const char*> rows[] = {
        {Language::German, &S::Cancel, "Abbrechen"},
        {Language::German, &S::NUM_more_currencies,
         "one{%i weitere Währung} other{%i weitere Währungen}"},
        {Language::Czech, &S::NUM_more_currencies,
         "one{%i další měna} few{%i další měny} other{%i dalších měn}"},
        {Language::Japanese, &S::Cancel, "キャンセル"}};
    for (const auto& [language, field, expected] : rows)
        EXPECT_EQ(*Localization::makeStrings(language).*field, expected);
}

TEST(TranslatedTables, TranslateEveryFieldNotDeclaredBritish) {
    const std::pair<Language, const std::vector<std::string_view>&> tables[] = {
        {Language::German, GermanStrings::sameAsBritish},
        {Language::French, FrenchStrings::sameAsBritish},
        {Language::Czech, CzechStrings::sameAsBritish},
        {Language::Japanese, JapaneseStrings::sameAsBritish},
        {Language::Spanish, SpanishStrings::sameAsBritish},
        {Language::PortugueseBrazil, PortugueseBrazilStrings::sameAsBritish},
        {Language::PortuguesePortugal, PortuguesePortugalStrings::sameAsBritish},
        {Language::Italian, ItalianStrings::sameAsBritish},
        {Language::Catalan, CatalanStrings::sameAsBritish},
        {Language::Polish, PolishStrings::sameAsBritish},
        {Language::Danish, DanishStrings::sameAsBritish},
        {Language::Dutch, DutchStrings::sameAsBritish},
        {Language::Swedish, SwedishStrings::sameAsBritish},
        {Language::Finnish, FinnishStrings::sameAsBritish},
        {Language::Norwegian, NorwegianStrings::sameAsBritish},
        {Language::Romanian, RomanianStrings::sameAsBritish},
        {Language::Slovac, SlovacStrings::sameAsBritish},
        {Language::Turkish, TurkishStrings::sameAsBritish},
        {Language::Croatian, CroatianStrings::sameAsBritish},
        {Language::Hungarian, HungarianStrings::sameAsBritish},
        {Language::Greek, GreekStrings::sameAsBritish},
        {Language::Arabic, ArabicStrings::sameAsBritish},
        {Language::Hebrew, HebrewStrings::sameAsBritish},
        {Language::Hindi, HindiStrings::sameAsBritish},
        {Language::Russian, RussianStrings::sameAsBritish},
        {Language::Ukrainian, UkrainianStrings::sameAsBritish},
        {Language::Thai, ThaiStrings::sameAsBritish},
        {Language::Vietnamese, VietnameseStrings::sameAsBritish},
        {Language::Indonesian, IndonesianStrings::sameAsBritish},
        {Language::Malay, MalayStrings::sameAsBritish},
        {Language::ChineseSimplified, ChineseSimplifiedStrings::sameAsBritish},
        {Language::ChineseTraditional, ChineseTraditionalStrings::sameAsBritish},
        {Language::Korean, KoreanStrings::sameAsBritish}};
    const EnglishBritishStrings british;
    for (const auto& [language, sameAsBritish] : tables) {
        SCOPED_TRACE(static_cast<int>(language));
        const auto table = Localization::makeStrings(language);
        const std::set<std::string_view> declared(sameAsBritish.begin(), sameAsBritish.end());
        EXPECT_EQ(declared.size(), sameAsBritish.size()) << "a name is listed twice";
        std::size_t matched = 0;
        for (const auto& field : S::textFields()) {
            const bool same = *table.*field.member == british.*field.member;
            if (declared.count(field.name) != 0) {
                ++matched;
                EXPECT_TRUE(same) << field.name << " is declared British but differs";
            } else {
                EXPECT_FALSE(same) << field.name << " still reads as British English";
            }
        }
        EXPECT_EQ(matched, declared.size()) << "a declared name is no text field";
    }
}

// Each Chinese table keeps to its own script: a character of the other one
// slips in easily when names are taken over from the other table.
TEST(TranslatedTables, ChineseTablesKeepToTheirOwnScript) {
    // Pairs that differ between the scripts, simplified first, as the tables use them.
    const std::pair<const char*, const char*> pairs[] = {
        {"国", "國"}, {"湾", "灣"}, {"亩", "畝"}, {"顷", "頃"}, {"吨", "噸"}, {"仑", "侖"},
        {"脱", "脫"}, {"时", "時"}, {"种", "種"}, {"单", "單"}, {"择", "擇"}, {"个", "個"},
        {"货", "貨"}, {"币", "幣"}, {"长", "長"}, {"质", "質"}, {"积", "積"}, {"压", "壓"},
        {"码", "碼"}, {"钟", "鐘"}, {"华", "華"}, {"摄", "攝"}, {"马", "馬"}, {"罗", "羅"},
        {"兰", "蘭"}, {"亚", "亞"}, {"卢", "盧"}, {"镑", "鎊"}, {"库", "庫"}, {"间", "間"}};
    const auto simplified = Localization::makeStrings(Language::ChineseSimplified);
    const auto traditional = Localization::makeStrings(Language::ChineseTraditional);
    for (const auto& field : S::textFields()) {
        SCOPED_TRACE(field.name);
        for (const auto& [simplifiedForm, traditionalForm] : pairs) {
            EXPECT_EQ((*simplified.*field.member).find(traditionalForm), std::string::npos);
            EXPECT_EQ((*traditional.*field.member).find(simplifiedForm), std::string::npos);
        }
    }
}

// Czech builds every category's prompts from the category's name.
TEST(TranslatedTables, CzechNamesTheCategoryInItsPrompts) {
    const CzechStrings czech;
    for (const auto& category : categoryTexts()) {
        const std::string& name = czech.*category.name;
        SCOPED_TRACE(name);
        EXPECT_EQ(czech.*category.pickFirst, czech.Pick_first_unit + " [" + name + "]");
        EXPECT_EQ(czech.*category.pickSecond, "Vyberte druhou jednotku [" + name + "]");
    }
}

// One unit reads in the singular, any other count in the plural.
TEST(BritishStrings, CountTextsReadRightForOneAndMore) {
    const EnglishBritishStrings british;
    const std::tuple<std::string S::*, long long, const char*> rows[] = {
        {&S::NUM_more_currencies, 1, "1 more currency"},
        {&S::NUM_more_currencies, 2, "2 more currencies"},
        {&S::NUM_more_units_of_information, 1, "1 more unit of information"},
        {&S::NUM_more_units_of_information, 0, "0 more units of information"},
        {&S::NUM_more_mass_units, 1, "1 more mass unit"},
        {&S::NUM_more_temperatures, 101, "101 more temperatures"}};
    for (const auto& [field, count, expected] : rows)
        EXPECT_EQ(formatCount(british.*field, count, Language::EnglishBritish), expected);
}

} // namespace
} // namespace ratio
