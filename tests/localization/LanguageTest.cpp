// Choosing the language and making its table, for every language.
#include "localization/CategoryTexts.h"
#include "localization/CountFormat.h"
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

namespace ratio {
namespace {

using S = LocalizedStrings;

// Row i picks the language whose raw value is i.
// clang-format off
constexpr std::array<const char*, 35> languageCodes{
    "de", "en-US", "en", "fr", "es", "pt", "pt-PT", "it", "ca", "pl", "da", "nl", "sv", "fi", "nb",
    "ro", "sk", "cs", "tr", "id", "hr", "hu", "ms", "vi", "el", "ru", "uk", "ja", "zh-Hant", "zh",
    "hi", "ko", "th", "ar", "he"};
// clang-format on

// The chooser and the object made from the same list agree, and the object
// holds that language's table.
void expectChoice(const std::vector<std::string>& preferred, Language expected) {
    EXPECT_EQ(Localization::chooseLanguage(preferred), expected);
    const Localization localization(preferred);
    EXPECT_EQ(localization.language, expected);
    EXPECT_EQ(typeid(localization.strings()), typeid(*Localization::makeStrings(expected)));
}

TEST(LanguageChoice, EveryLanguageHasItsCode) {
    for (std::size_t raw = 0; raw < languageCodes.size(); ++raw) {
        SCOPED_TRACE(languageCodes[raw]);
        expectChoice({languageCodes[raw]}, static_cast<Language>(raw));
    }
}

TEST(LanguageChoice, PicksByPrefixOfTheFirstEntryOnly) {
    const Language british = Language::EnglishBritish;
    // clang-format off
    const std::pair<std::vector<std::string>, Language> cases[] = {
        // Only en-US is American, and codes compare case-sensitively.
        {{"en-US-POSIX"}, Language::EnglishUSA}, {{"en-GB"}, british}, {{"en-us"}, british},
        {{"en-U"}, british}, {{"DE"}, british},
        // Longer codes win over the shorter ones they begin with.
        {{"pt-BR"}, Language::PortugueseBrazil}, {{"zh-Hant-TW"}, Language::ChineseTraditional},
        {{"zh-TW"}, Language::ChineseSimplified}, {{"zh-Han"}, Language::ChineseSimplified},
        // Norwegian is only Bokmål's code.
        {{"nb-NO"}, Language::Norwegian}, {{"nn-NO"}, british}, {{"no"}, british},
        // Unknown, shorter than any code, or no code at all.
        {{"iw"}, british}, {{"e"}, british}, {{""}, british}, {{" de"}, british},
        {{std::string("\0de", 3)}, british}, {{std::string(10000, 'x')}, british}, {{}, british},
        // Later entries never count.
        {{"xx", "de"}, british}, {{"de", "fr"}, Language::German}, {{"nn-NO", "nb-NO"}, british},
    };
    // clang-format on
    for (const auto& [preferred, expected] : cases) {
        SCOPED_TRACE(preferred.empty() ? "no list" : preferred.front().substr(0, 12));
        expectChoice(preferred, expected);
    }
}

TEST(LanguageChoice, RawValuesCoverZeroToCountAndNothingElse) {
    EXPECT_EQ(Localization::languageFromRawValue(0), Language::German);
    EXPECT_EQ(Localization::languageFromRawValue(34), Language::Hebrew);
    EXPECT_EQ(Localization::languageFromRawValue(35), Language::Count);
    for (const int raw : {-1, 36, INT_MIN, INT_MAX})
        EXPECT_FALSE(Localization::languageFromRawValue(raw).has_value()) << raw;
}

TEST(LanguageChoice, SharedOneIsMadeOnceAndKeepsItsChoice) {
    int asked = 0;
    Localization::preferredLanguagesSource = [&asked] {
        ++asked;
        return std::vector<std::string>{"fr-FR"};
    };
    Localization& first = Localization::shared();
    Localization& second = Localization::shared();
    Localization::preferredLanguagesSource = nullptr;

    EXPECT_EQ(&first, &second);
    // Another test may have made it first, from another list.
    EXPECT_TRUE(asked == 0 || (asked == 1 && first.language == Language::French)) << asked;
    EXPECT_EQ(typeid(first.strings()), typeid(*Localization::makeStrings(first.language)));

    const EnglishBritishStrings& british = Localization::sharedBritishStrings();
    EXPECT_EQ(&british, &Localization::sharedBritishStrings());
    EXPECT_EQ(typeid(british), typeid(EnglishBritishStrings));
}

TEST(LanguageTables, NoLanguageValueFallsBackToBritish) {
    for (const Language notALanguage :
         {Language::Count, static_cast<Language>(-1), static_cast<Language>(1000)}) {
        const std::unique_ptr<S> table = Localization::makeStrings(notALanguage);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(typeid(*table), typeid(EnglishBritishStrings));
    }
}

// Whatever a table leaves out must still read soundly: no empty text,
// regional names in the table's own words.
TEST(LanguageTables, EveryTableIsCompleteAndSound) {
    // clang-format off
    const std::map<Language, std::vector<std::string>> horsepower{
        {Language::German, {"PS", "hp(M)"}}, {Language::Spanish, {"CV"}},
        {Language::PortugueseBrazil, {"cv"}}, {Language::PortuguesePortugal, {"cv"}}};
    // clang-format on
    const EnglishBritishStrings british;
    std::set<std::type_index> classes;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        SCOPED_TRACE(raw);
        const auto table = Localization::makeStrings(language);
        classes.insert(typeid(*table));
        EXPECT_FALSE(table->shouldUseSimpleLocalisation);
        const auto special = horsepower.find(language);
        EXPECT_EQ(table->hp_M, special == horsepower.end() ? std::vector<std::string>{"hp(M)"}
                                                           : special->second);

        int regional = 0;
        for (const auto& field : S::textFields()) {
            const std::string& text = *table.*field.member;
            EXPECT_FALSE(text.empty()) << field.name;
            const std::string& britishText = british.*field.member;
            const bool china = britishText.starts_with("[China] ");
            if (!china && !britishText.starts_with("[Taiwan] "))
                continue;
            ++regional;
            const std::string prefix = "[" + (china ? table->China : table->Taiwan) + "] ";
            EXPECT_TRUE(text.starts_with(prefix) && text.size() > prefix.size()) << text;
        }
        EXPECT_EQ(regional, 19);
    }
    // A copied line in the mapping would give two languages one class.
    EXPECT_EQ(classes.size(), 35u);
}

// Every count of the unit screens reads as a finished text: the number, and no
// placeholder, brace or unknown form left over.
TEST(LanguageTables, EveryCountTextFormatsEveryCountUpTo200) {
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        const auto table = Localization::makeStrings(language);
        for (const auto& category : categoryTexts()) {
            const std::string& text = *table.*category.moreUnits;
            for (int count = 0; count <= 200; ++count) {
                const std::string shown = formatCount(text, count, language);
                const bool sound = shown.find(std::to_string(count)) != std::string::npos &&
                                   shown.find_first_of("%{}") == std::string::npos;
                ASSERT_TRUE(sound) << raw << ": \"" << shown << "\" from \"" << text << '"';
            }
        }
    }
}

// A table that writes its own plural forms gives one for every category its
// language uses (else a count silently reads as "other") and none it never
// uses; Czech "many" is for fractions only, so none of the tables needs it.
TEST(LanguageTables, TranslatedCountTextsGiveTheirLanguagesForms) {
    const EnglishBritishStrings british;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        std::set<PluralCategory> used;
        for (const long long count : {0LL, 1LL, 2LL, 3LL, 5LL, 11LL, 20LL, 21LL, 101LL, 111LL})
            used.insert(pluralCategory(pluralRuleOf(language), count));
        std::set<PluralCategory> allowed = used;
        allowed.insert(pluralCategory(pluralRuleOf(language), 1000000));
        const auto table = Localization::makeStrings(language);
        for (const auto& category : categoryTexts()) {
            const std::string& text = *table.*category.moreUnits;
            if (text == british.*category.moreUnits && language != Language::EnglishBritish)
                continue; // not translated here: British English's own forms
            SCOPED_TRACE(std::to_string(raw) + ": " + text);
            const auto forms = pluralForms(text);
            if (!forms) {
                EXPECT_EQ(used.size(), 1u) << "one format for a language with plurals";
                continue;
            }
            std::set<PluralCategory> given;
            for (const auto& [formCategory, format] : *forms) {
                EXPECT_TRUE(given.insert(formCategory).second) << "a category given twice";
                EXPECT_EQ(allowed.count(formCategory), 1u) << pluralCategoryName(formCategory);
            }
            for (const PluralCategory needed : used)
                EXPECT_EQ(given.count(needed), 1u) << "no " << pluralCategoryName(needed);
        }
    }
}

} // namespace
} // namespace ratio
