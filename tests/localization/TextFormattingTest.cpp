// Count texts and unit names as the screens show them, and the translation
// files' plural forms against ICU's rules.
#include "localization/CountFormat.h"
#include "localization/LanguagePlurals.h"
#include "localization/LanguageTables.h"
#include "localization/Localization.h"
#include "localization/TextFolding.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace ratio {
namespace {

// Each translation file's Plural-Forms must send a count to the msgstr of the
// category ICU gives it, or the record would hold a form under the wrong
// category. Beyond 2,000 the round millions, which some languages set apart.
TEST(TranslationFiles, PluralFormsAgreeWithIcuForEveryCount) {
    std::vector<unsigned long> counts(2001);
    std::iota(counts.begin(), counts.end(), 0UL);
    counts.insert(counts.end(), {100000, 1000000, 1000001, 2000000, 100000000});
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        const TranslationFile& file = translationFile(language);
        SCOPED_TRACE(file.locale);
        for (const unsigned long count : counts) {
            const unsigned long index = file.pluralIndex(count);
            ASSERT_LT(index, file.categories.size()) << count;
            const auto signedCount = static_cast<long long>(count);
            ASSERT_EQ(file.categories[index], pluralCategory(language, signedCount)) << count;
            ASSERT_EQ(pluralCategory(language, -signedCount), file.categories[index]) << count;
        }
    }
    EXPECT_EQ(pluralCategory(Language::Polish, LLONG_MIN), PluralCategory::Many);
}

TEST(AppendEnglishName, AddsTheEnglishNameOnlyWhenMissing) {
    using Case = std::array<std::string_view, 3>; // name, English name, expected
    // clang-format off
    const Case cases[] = {
        {"Zoll", "Inch", "Zoll / Inch"}, {"Zoll", "", "Zoll"}, {"Inc", "Inch", "Inc / Inch"},
        // Contained anywhere in any ASCII letter case, even just after a partial match.
        {"INCH", "Inch", "INCH"}, {"acre", "Acre", "acre"}, {"InInch", "Inch", "InInch"},
    };
    // clang-format on
    for (const auto& [name, englishName, expected] : cases)
        EXPECT_EQ(appendEnglishName(name, englishName), expected) << name << " + " << englishName;
}

// Formats come from tables that people edit: only "%i" and "%%" mean anything,
// and nothing else may read a missing argument. A text of forms ("one{...}
// other{...}") shows the form of the count's category, else "other"; anything
// not a well-formed list is a single format, shown whole.
TEST(CountFormat, FillsOnlyTheCountIntoTheFormOfItsCategory) {
    using Case = std::tuple<std::string_view, Language, long long, std::string_view>;
    const std::string_view english = "one{%i more length} other{%i more lengths}";
    const std::string_view czech = "one{%i měna} few{%i měny} other{%i měn}";
    using enum Localization::Language;
    constexpr Language gb = EnglishBritish;
    // clang-format off
    const Case cases[] = {
        {"%i", gb, LLONG_MIN, "-9223372036854775808"}, {"%i%i", gb, 7, "77"}, {"%%%", gb, 5, "%%"},
        {"%s %n %d %5i", gb, 5, "%s %n %d %5i"}, {"%%i %i%", gb, 5, "%i 5%"},
        {std::string_view("a\0%i", 4), gb, 7, std::string_view("a\0" "7", 3)},
        {"one{%i%% %s} other{x}", gb, 1, "1% %s"}, {english, gb, 1, "1 more length"},
        {english, Polish, 2, "2 more lengths"}, {czech, Czech, 4, "4 měny"},
        {czech, Czech, 5, "5 měn"}, {czech, Japanese, 1, "1 měn"},
        {"two{a%i} one{b%i} other{c%i}", Hebrew, 2, "a2"}, {"one{%i x}", gb, 3, "3 x"},
        {"  one{} other{%i}  ", gb, 1, ""}, {"one{%i} others{%i}", gb, 2, "one{2} others{2}"},
        {"one{%i other{%i}", gb, 1, "one{1 other{1}"},
    };
    // clang-format on
    for (const auto& [text, language, count, expected] : cases)
        EXPECT_EQ(formatCount(text, count, language), expected)
            << '"' << text << "\" with " << count;
    // No fixed-size buffer: a long format comes out whole.
    EXPECT_EQ(formatCount(std::string(10000, '%') + "%i", 42, Language::EnglishBritish),
              std::string(5000, '%') + "42");
}

// The tables' forms sit under the right keywords: a row per form, at counts where
// a mix-up of the last-digit rules would show too.
TEST(CountFormat, TablesCountTextsAgreeWithTheirCount) {
    using S = LocalizedStrings;
    using enum Localization::Language;
    const auto currencies = &S::NUM_more_currencies, lengths = &S::NUM_more_lengths;
    using Case = std::tuple<Language, std::string S::*, long long, const char*>;
    // clang-format off
    const Case cases[] = {
        {Russian, currencies, 21, "Ещё 21 валюта"}, {Russian, lengths, 24, "Ещё 24 единицы длины"},
        {Russian, currencies, 11, "Ещё 11 валют"},
        // Arabic: zero, the dual (which says two itself), the plural of 3-10 (and
        // 103-110), many, other.
        {Arabic, currencies, 0, "0 عملة أخرى"}, {Arabic, lengths, 2, "وحدتا طول أخريان"},
        {Arabic, lengths, 103, "103 وحدات طول أخرى"}, {Arabic, currencies, 11, "11 عملة أخرى"},
        {Arabic, lengths, 100, "100 وحدة طول أخرى"},
    };
    // clang-format on
    for (const auto& [language, field, count, expected] : cases)
        EXPECT_EQ(formatCount(*Localization::makeStrings(language).*field, count, language),
                  expected)
            << static_cast<int>(language) << " with " << count;
}

// Names as users type them: full case folding, dotted and dotless i as one,
// and for searching no accents or widths either.
TEST(TextFolding, FoldsCaseFullyAndSearchesWithoutAccents) {
    const struct {
        const char *text, *folded, *searched;
    } cases[] = {
        {"Fuß", "fuss", "fuss"},
        {"\u1E9E", "ss", "ss"}, // capital sharp s
        {"ΟΔΟΣ", "οδοσ", "οδοσ"},
        {"οδος", "οδοσ", "οδοσ"}, // final sigma
        {"İSTANBUL", "istanbul", "istanbul"},
        {"ıstanbul", "istanbul", "istanbul"},
        {"KILOMÈTRE", "kilomètre", "kilometre"},
        {"ＦＴ", "ｆｔ", "ft"},
        {"ガロン", "ガロン", "ガロン"},     // the voicing mark stays: ガ is not カ
        {"a\xFF!", "a\uFFFD!", "a\uFFFD!"}, // not UTF-8
    };
    for (const auto& row : cases) {
        EXPECT_EQ(foldCase(row.text), row.folded) << row.text;
        EXPECT_EQ(foldForSearch(row.text), row.searched) << row.text;
    }
}

} // namespace
} // namespace ratio
