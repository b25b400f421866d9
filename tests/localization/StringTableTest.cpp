#include "localization/CategoryTexts.h"
#include "localization/CountFormat.h"
#include "localization/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace ratio {
namespace {

using testing::allLanguages;
using testing::occurrences;
using S = LocalizedStrings;

const char* const noBreakSpace = "\xC2\xA0";

struct RegionalName {
    std::string S::*field;
    bool taiwanese;
    const char* britishText;
};

// The texts composed from the table's own China or Taiwan word.
const std::vector<RegionalName> regionalNames = {
    {&S::China_Renminbi, false, "[China] Renminbi (元, CNY, RMB¥, CNH)"},
    {&S::lǐ_length, false, "[China] lǐ"},
    {&S::yǐn_length, false, "[China] yǐn"},
    {&S::zhàng_length, false, "[China] zhàng"},
    {&S::chǐ_length, false, "[China] chǐ"},
    {&S::cùn_length, false, "[China] cùn"},
    {&S::fēn_length, false, "[China] fēn"},
    {&S::lí_length, false, "[China] lí"},
    {&S::háo_length, false, "[China] háo"},
    {&S::qǐng_area, false, "[China] qǐng"},
    {&S::mǔ_area, false, "[China] mǔ"},
    {&S::fēn_area, false, "[China] fēn"},
    {&S::lí_area, false, "[China] lí"},
    {&S::háo_area, false, "[China] háo"},
    {&S::Taiwan_Lê, true, "[Taiwan] 犁 / Lê / Lài / Lí"},
    {&S::Taiwan_Kah, true, "[Taiwan] 甲 / Kah / Kap / Jiǎ"},
    {&S::Taiwan_Hun, true, "[Taiwan] 分 / Hun / Fûn / Fēn"},
    // Bó͘ ends in the combining dot above right, U+0358.
    {&S::Taiwan_Bó͘, true, "[Taiwan] 畝 / B\xC3\xB3\xCD\x98 / Méu / Mǔ"},
    {&S::Taiwan_Pêⁿ, true, "[Taiwan] 坪 / Pêⁿ / Phiàng / Píng"},
};

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
    const auto fields = S::textFields();
    EXPECT_EQ(fields.size(), 226u);
    std::set<std::string> names;
    // Member pointers do not order; the addresses they give in one object do.
    const S table;
    std::set<const std::string*> members;
    for (const auto& field : fields) {
        EXPECT_TRUE(names.insert(field.name).second) << field.name;
        members.insert(&(table.*field.member));
    }
    EXPECT_EQ(members.size(), fields.size());
    EXPECT_EQ(testing::textFieldNamed("Taiwan_Bó͘"), &S::Taiwan_Bó͘);
    EXPECT_EQ(testing::textFieldNamed("Select_Auswählen"), &S::Select_Auswählen);
    EXPECT_EQ(testing::textFieldNamed("hp_M"), nullptr);
}

TEST(BaseStrings, StartEmptyWithSimpleLocalisation) {
    const S bare;
    for (const auto& field : S::textFields())
        EXPECT_EQ(bare.*field.member, "") << field.name;
    EXPECT_EQ(bare.hp_M, std::vector<std::string>{""});
    EXPECT_TRUE(bare.shouldUseSimpleLocalisation);
}

TEST(BritishStrings, TellingTextsAreByteExact) {
    const EnglishBritishStrings british;
    EXPECT_EQ(british.UK_Pound_sterling, "[UK]\xC2\xA0Pound sterling (£, GBP)");
    EXPECT_EQ(british.US_Miles_per_gallon, "[US]\xC2\xA0Miles per gallon");
    EXPECT_EQ(british.US_Ton_Short_Ton, "[US] Ton / Short ton (tn. sh.)");
    EXPECT_EQ(british.Select_Auswählen, "Select");
    EXPECT_EQ(british.OK_Yes, "OK");
    EXPECT_EQ(british.Not_Now, "Not Now");
    EXPECT_EQ(british.Polish_złoty, "Polish złoty (zł, PLN)");
    EXPECT_EQ(british.Icelandic_króna, "Icelandic króna (ISK, kr, ikr)");
    EXPECT_EQ(british.Miles_per_liter, "Miles per litre");
    EXPECT_EQ(british.Kilometer, "Kilometre (km)");
    EXPECT_EQ(british.Micrometer, "Micrometre (\xCE\xBCm)");
    EXPECT_EQ(british.Angstrom, "Angstrom (Å)");
    EXPECT_EQ(british.Metric_horsepower, "Metric horsepower (hp(M))");
    EXPECT_EQ(british.Units_of_information, "Units of information");
    EXPECT_EQ(british.NUM_more_lengths, "%i more lengths");
    EXPECT_EQ(british.Pick_second_consumption_unit, "Pick second consumption unit");
    EXPECT_EQ(british.Metric_Tbsp, "Metric Tbsp.");
    EXPECT_EQ(british.Unit_of_measurement, "Unit of measurement");
    EXPECT_EQ(british.Conversion_of_units, "Conversion of units");
    EXPECT_EQ(british.hp_M, std::vector<std::string>{"hp(M)"});
    EXPECT_FALSE(british.shouldUseSimpleLocalisation);
}

TEST(BritishStrings, OnlyTheTwoRegionTagsUseANoBreakSpace) {
    const EnglishBritishStrings british;
    std::set<std::string> withNoBreakSpace;
    for (const auto& field : S::textFields())
        if ((british.*field.member).find(noBreakSpace) != std::string::npos)
            withNoBreakSpace.insert(field.name);
    EXPECT_EQ(withNoBreakSpace,
              (std::set<std::string>{"UK_Pound_sterling", "US_Miles_per_gallon"}));
}

TEST(BritishStrings, EveryTextIsFilled) {
    const EnglishBritishStrings british;
    for (const auto& field : S::textFields())
        EXPECT_FALSE((british.*field.member).empty()) << field.name;
}

TEST(BritishStrings, RegionalNamesAreComposedFromChinaAndTaiwan) {
    const EnglishBritishStrings british;
    for (const auto& name : regionalNames)
        EXPECT_EQ(british.*name.field, name.britishText);
}

TEST(BritishStrings, CategoryTextsFollowOnePattern) {
    const EnglishBritishStrings british;
    for (const auto& category : categoryTexts()) {
        SCOPED_TRACE(british.*category.name);
        EXPECT_EQ((british.*category.moreUnits).rfind("%i more ", 0), 0u);
        EXPECT_EQ((british.*category.pickFirst).rfind("Pick first ", 0), 0u);
        EXPECT_EQ((british.*category.pickSecond).rfind("Pick second ", 0), 0u);
    }
}

TEST(CategoryTexts, ListEveryCategoryFieldOnce) {
    std::set<std::string> listed;
    for (const auto& category : categoryTexts())
        for (auto member :
             {category.name, category.moreUnits, category.pickFirst, category.pickSecond})
            for (const auto& field : LocalizedStrings::textFields())
                if (field.member == member) {
                    EXPECT_TRUE(listed.insert(field.name).second) << field.name;
                }
    std::set<std::string> expected;
    for (const auto& field : LocalizedStrings::textFields()) {
        const std::string name = field.name;
        const bool prompt = name.starts_with("Pick_first_") || name.starts_with("Pick_second_");
        if (name.starts_with("NUM_more_") || (prompt && name != "Pick_first_unit"))
            expected.insert(name);
    }
    for (const auto& category : categoryTexts())
        for (const auto& field : LocalizedStrings::textFields())
            if (field.member == category.name)
                expected.insert(field.name);
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(listed.size(), 52u);
}

TEST(PartialTable, UnassignedFieldsKeepTheBritishText) {
    const PartialStrings partial;
    const EnglishBritishStrings british;
    EXPECT_EQ(partial.Cancel, "Cancel·la");
    EXPECT_EQ(partial.Done, "Done");
    EXPECT_EQ(partial.Inch, "Inch");
    EXPECT_EQ(partial.hp_M, british.hp_M);
    EXPECT_FALSE(partial.shouldUseSimpleLocalisation);

    std::set<std::string> expected{"Cancel", "China"};
    for (const auto& name : regionalNames)
        if (!name.taiwanese)
            for (const auto& field : S::textFields())
                if (field.member == name.field)
                    expected.insert(field.name);
    EXPECT_EQ(namesOfDifferingFields(partial, british), expected);
}

TEST(PartialTable, OwnChinaWordGoesInsideTheBrackets) {
    const PartialStrings partial;
    EXPECT_EQ(partial.lǐ_length, "[Xina] lǐ");
    EXPECT_EQ(partial.háo_area, "[Xina] háo");
    EXPECT_EQ(partial.China_Renminbi, "[Xina] Renminbi (元, CNY, RMB¥, CNH)");
    EXPECT_EQ(partial.Taiwan_Lê, "[Taiwan] 犁 / Lê / Lài / Lí");
}

TEST(PartialTable, ComposingAgainReplacesRatherThanNests) {
    PartialStrings partial;
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
    const EnglishBritishStrings british;
    // clang-format off
    const std::set<std::string> expected{
        "Miles_per_liter", "Kilometer", "Meter",
        "Decimeter", "Centimeter", "Millimeter",
        "Micrometer", "Nanometer", "Kilometer_per_hour",
        "Meter_per_second", "Square_kilometer", "Square_meter",
        "Square_centimeter", "Square_millimeter", "Cubic_meter",
        "Liter", "Deciliter", "Milliliter",
        "Millimeter_of_mercury"};
    // clang-format on
    EXPECT_EQ(namesOfDifferingFields(american, british), expected);
    EXPECT_EQ(american.Kilometer_per_hour, "Kilometers per hour (km/h)");
    EXPECT_EQ(american.Micrometer, "Micrometer (\xCE\xBCm)");
    EXPECT_EQ(american.Millimeter_of_mercury, "Millimeter of mercury");
    EXPECT_EQ(american.hp_M, std::vector<std::string>{"hp(M)"});
}

TEST(EveryTable, IsMadeOfItsLanguagesClass) {
    for (std::size_t raw = 0; raw < allLanguages.size(); ++raw) {
        const auto& row = allLanguages[raw];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(static_cast<std::size_t>(row.language), raw);
        const std::unique_ptr<S> table = Localization::makeStrings(row.language);
        ASSERT_NE(table, nullptr);
        const S& object = *table;
        EXPECT_EQ(std::type_index(typeid(object)), row.tableClass);
        EXPECT_NE(dynamic_cast<const EnglishBritishStrings*>(table.get()), nullptr);
    }
}

TEST(EveryTable, NoLanguageValueFallsBackToBritish) {
    for (const Language notALanguage : {Language::Count, static_cast<Language>(-1),
                                        static_cast<Language>(36), static_cast<Language>(1000)}) {
        SCOPED_TRACE(static_cast<int>(notALanguage));
        const std::unique_ptr<S> table = Localization::makeStrings(notALanguage);
        ASSERT_NE(table, nullptr);
        const S& object = *table;
        EXPECT_EQ(std::type_index(typeid(object)), std::type_index(typeid(EnglishBritishStrings)));
    }
}

TEST(EveryTable, NeverUsesSimpleLocalisation) {
    for (const auto& row : allLanguages) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(Localization::makeStrings(row.language)->shouldUseSimpleLocalisation);
    }
}

TEST(EveryTable, HasNoEmptyTextAndAtLeastOneHorsepowerAbbreviation) {
    for (const auto& row : allLanguages) {
        SCOPED_TRACE(row.name);
        const auto table = Localization::makeStrings(row.language);
        for (const auto& field : S::textFields())
            EXPECT_FALSE((*table.*field.member).empty()) << field.name;
        ASSERT_FALSE(table->hp_M.empty());
        for (const auto& abbreviation : table->hp_M)
            EXPECT_FALSE(abbreviation.empty());
    }
}

// A count text with no "%i", or with two, would show a wrong or missing number.
TEST(EveryTable, CountTextsTakeExactlyOneNumber) {
    for (const auto& row : allLanguages) {
        SCOPED_TRACE(row.name);
        const auto table = Localization::makeStrings(row.language);
        for (const auto& category : categoryTexts()) {
            const std::string& text = *table.*category.moreUnits;
            SCOPED_TRACE(text);
            EXPECT_EQ(occurrences(text, "%i"), 1);
            const std::string filled = formatCount(text, 7);
            EXPECT_EQ(filled.find('%'), std::string::npos);
            EXPECT_EQ(occurrences(filled, "7"), occurrences(text, "7") + 1);
        }
    }
}

TEST(EveryTable, RegionalNamesUseTheTablesOwnWords) {
    for (const auto& row : allLanguages) {
        SCOPED_TRACE(row.name);
        const auto table = Localization::makeStrings(row.language);
        for (const auto& name : regionalNames) {
            const std::string prefix = "[" + (name.taiwanese ? table->Taiwan : table->China) + "] ";
            const std::string& text = *table.*name.field;
            EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
            EXPECT_GT(text.size(), prefix.size()) << text;
        }
    }
}

} // namespace
} // namespace ratio
