// The translated tables: their telling texts, and that each one really
// translates every field it does not declare to be the same as British English.
#include "localization/CategoryTexts.h"
#include "localization/LanguageTables.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ratio {
namespace {

using testing::occurrences;
using testing::textFieldNamed;
using S = LocalizedStrings;

struct TellingText {
    Language language;
    std::string S::*field;
    const char* expected;
};

class TranslatedText : public ::testing::TestWithParam<TellingText> {};

TEST_P(TranslatedText, MatchesTheAgreedWording) {
    const TellingText& row = GetParam();
    EXPECT_EQ(*Localization::makeStrings(row.language).*row.field, row.expected);
}

INSTANTIATE_TEST_SUITE_P(German, TranslatedText,
                         ::testing::Values(TellingText{Language::German, &S::Cancel, "Abbrechen"},
                                           TellingText{Language::German, &S::Done, "Fertig"},
                                           TellingText{Language::German, &S::Back, "Zurück"},
                                           TellingText{Language::German, &S::Unit, "Einheit"},
                                           TellingText{Language::German, &S::Currency, "Währung"},
                                           TellingText{Language::German, &S::NUM_more_currencies,
                                                       "%i weitere Währungen"},
                                           TellingText{Language::German, &S::Pick_first_currency,
                                                       "Erste Währung wählen"},
                                           TellingText{Language::German, &S::Inch, "Zoll"},
                                           TellingText{Language::German, &S::Metric_horsepower,
                                                       "Pferdestärke"},
                                           TellingText{Language::German, &S::OK_Yes, "OK"}));

INSTANTIATE_TEST_SUITE_P(French, TranslatedText,
                         ::testing::Values(TellingText{Language::French, &S::Done, "OK"},
                                           TellingText{Language::French, &S::Back, "Retour"},
                                           TellingText{Language::French, &S::Unit_of_measurement,
                                                       "Unité de mesure"},
                                           TellingText{Language::French, &S::Conversion_of_units,
                                                       "Conversion des unités"},
                                           TellingText{Language::French, &S::OK_Yes, "OK"}));

INSTANTIATE_TEST_SUITE_P(
    Czech, TranslatedText,
    ::testing::Values(
        TellingText{Language::Czech, &S::Currency, "Měna"},
        TellingText{Language::Czech, &S::NUM_more_currencies, "+%i × Měna"},
        TellingText{Language::Czech, &S::Pick_first_unit, "Vyberte první jednotku"},
        TellingText{Language::Czech, &S::Pick_first_currency, "Vyberte první jednotku [Měna]"},
        TellingText{Language::Czech, &S::Pick_second_currency, "Vyberte druhou jednotku [Měna]"},
        TellingText{Language::Czech, &S::OK_Yes, "OK"}));

INSTANTIATE_TEST_SUITE_P(Japanese, TranslatedText,
                         ::testing::Values(TellingText{Language::Japanese, &S::Done, "完了"},
                                           TellingText{Language::Japanese, &S::Cancel,
                                                       "キャンセル"},
                                           TellingText{Language::Japanese, &S::OK_Yes, "OK"}));

TEST(HorsepowerAbbreviations, FollowTheLanguage) {
    const std::vector<std::string> metric{"hp(M)"};
    for (const auto& row : testing::allLanguages) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> expected = metric;
        if (row.language == Language::German)
            expected = {"PS", "hp(M)"};
        else if (row.language == Language::Spanish)
            expected = {"CV"};
        else if (row.language == Language::PortugueseBrazil ||
                 row.language == Language::PortuguesePortugal)
            expected = {"cv"};
        EXPECT_EQ(Localization::makeStrings(row.language)->hp_M, expected);
    }
}

struct TranslatedTable {
    Language language;
    const char* name;
    const std::vector<std::string_view>* sameAsBritish;
};

std::ostream& operator<<(std::ostream& out, const TranslatedTable& table) {
    return out << table.name;
}

class TranslationCompleteness : public ::testing::TestWithParam<TranslatedTable> {
  protected:
    const EnglishBritishStrings british;
    const std::unique_ptr<S> table = Localization::makeStrings(GetParam().language);

    std::set<std::string> declaredSame() const {
        return {GetParam().sameAsBritish->begin(), GetParam().sameAsBritish->end()};
    }
};

TEST_P(TranslationCompleteness, DeclaredNamesAreRealFieldsListedOnce) {
    const auto& listed = *GetParam().sameAsBritish;
    for (const auto name : listed)
        EXPECT_NE(textFieldNamed(name), nullptr) << "no text field named " << name;
    EXPECT_EQ(declaredSame().size(), listed.size()) << "a name is listed twice";
}

TEST_P(TranslationCompleteness, DeclaredFieldsAreTheBritishText) {
    for (const auto name : *GetParam().sameAsBritish) {
        const auto member = textFieldNamed(name);
        if (member == nullptr)
            continue;
        EXPECT_EQ(*table.*member, british.*member) << name;
    }
}

TEST_P(TranslationCompleteness, EveryOtherFieldIsTranslated) {
    const std::set<std::string> declared = declaredSame();
    std::vector<std::string> untranslated;
    for (const auto& field : S::textFields())
        if (*table.*field.member == british.*field.member && !declared.count(field.name))
            untranslated.push_back(field.name);
    EXPECT_TRUE(untranslated.empty())
        << untranslated.size() << " fields still read as British English, first: "
        << (untranslated.empty() ? "" : untranslated.front());
}

TEST_P(TranslationCompleteness, CountTextsHoldOneNumber) {
    for (const auto& category : categoryTexts())
        EXPECT_EQ(occurrences(*table.*category.moreUnits, "%i"), 1) << *table.*category.moreUnits;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TranslationCompleteness,
    ::testing::Values(TranslatedTable{Language::German, "German", &GermanStrings::sameAsBritish},
                      TranslatedTable{Language::French, "French", &FrenchStrings::sameAsBritish},
                      TranslatedTable{Language::Czech, "Czech", &CzechStrings::sameAsBritish},
                      TranslatedTable{Language::Japanese, "Japanese",
                                      &JapaneseStrings::sameAsBritish}),
    [](const ::testing::TestParamInfo<TranslatedTable>& info) {
        return std::string(info.param.name);
    });

// Czech builds every category's three texts from the category's name.
TEST(CzechComposition, EveryCategoryIsNamedInItsTexts) {
    const CzechStrings czech;
    for (const auto& category : categoryTexts()) {
        const std::string& name = czech.*category.name;
        SCOPED_TRACE(name);
        EXPECT_EQ(czech.*category.moreUnits, "+%i × " + name);
        EXPECT_EQ(czech.*category.pickFirst, czech.Pick_first_unit + " [" + name + "]");
        EXPECT_EQ(czech.*category.pickSecond, "Vyberte druhou jednotku [" + name + "]");
    }
}

} // namespace
} // namespace ratio
