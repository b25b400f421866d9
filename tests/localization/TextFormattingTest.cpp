// Count texts and unit names as the screens show them, and the plural rules of
// the 35 languages against CLDR's own data.
#include "localization/CountFormat.h"
#include "localization/Localization.h"
#include "localization/TextFolding.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace ratio {
namespace {

// The counts at which CLDR's integer examples (plurals.xml) change category,
// and round numbers: a million, which French, Italian, Portuguese and Spanish
// treat apart, and the tens and the hundred thousand beside it.
constexpr std::array<long long, 15> counts{0,  1,  2,  3,   5,   10,     11,     20,
                                           21, 22, 25, 101, 111, 100000, 1000000};

// A negative count takes its size's category; the smallest has no positive twin
// and must not overflow.
TEST(PluralRule, EveryLanguageSortsCountsAsCldrDoes) {
    using enum Localization::Language;
    // Per language, the category of each count above: z zero, o one, t two,
    // f few, m many, - other. Taken from plurals.xml, not from the code.
    // clang-format off
    const std::pair<Language, const char*> cldrCategories[] = {
        {German, "-o-------------"}, {EnglishUSA, "-o-------------"}, {EnglishBritish, "-o-------------"},
        {French, "oo------------m"}, {Spanish, "-o------------m"}, {PortugueseBrazil, "oo------------m"},
        {PortuguesePortugal, "-o------------m"}, {Italian, "-o------------m"}, {Catalan, "-o-------------"},
        {Polish, "moffmmmmmfmmmmm"}, {Danish, "-o-------------"}, {Dutch, "-o-------------"},
        {Swedish, "-o-------------"}, {Finnish, "-o-------------"}, {Norwegian, "-o-------------"},
        {Romanian, "fofffff----ff--"}, {Slovac, "-off-----------"}, {Czech, "-off-----------"},
        {Turkish, "-o-------------"}, {Indonesian, "---------------"}, {Croatian, "-off----of-o---"},
        {Hungarian, "-o-------------"}, {Malay, "---------------"}, {Vietnamese, "---------------"},
        {Greek, "-o-------------"}, {Russian, "moffmmmmofmommm"}, {Ukrainian, "moffmmmmofmommm"},
        {Japanese, "---------------"}, {ChineseTraditional, "---------------"},
        {ChineseSimplified, "---------------"}, {Hindi, "oo-------------"}, {Korean, "---------------"},
        {Thai, "---------------"}, {Arabic, "zotfffmmmmm-m--"}, {Hebrew, "-ot----m-----mm"},
    };
    // clang-format on
    for (const auto& [language, expected] : cldrCategories) {
        SCOPED_TRACE(static_cast<int>(language));
        const PluralRule rule = pluralRuleOf(language);
        std::string letters;
        for (const long long count : counts) {
            const PluralCategory category = pluralCategory(rule, count);
            letters += "zotfm-"[static_cast<int>(category)];
            EXPECT_EQ(pluralCategory(rule, -count), category) << -count;
        }
        EXPECT_EQ(letters, expected);
    }
    EXPECT_EQ(std::size(cldrCategories), static_cast<std::size_t>(Language::Count));
    EXPECT_EQ(pluralCategory(PluralRule::Polish, LLONG_MIN), PluralCategory::Many);
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
        {english, EnglishUSA, 0, "0 more lengths"}, {english, Polish, 2, "2 more lengths"},
        {czech, Czech, 4, "4 měny"}, {czech, Czech, 5, "5 měn"}, {czech, Japanese, 1, "1 měn"},
        {"two{a%i} one{b%i} other{c%i}", Hebrew, 2, "a2"}, {"one{%i x}", gb, 3, "3 x"},
        {"  one{} other{%i}  ", gb, 1, ""}, {"{%i}", gb, 1, "{1}"},
        {"one{%i} others{%i}", gb, 2, "one{2} others{2}"},
        {"one{%i other{%i}", gb, 1, "one{1 other{1}"},
        {"one {%i} other{%i}", gb, 1, "one {1} other{1}"},
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
        // 103-110), many, other; temperature as the category names it.
        {Arabic, currencies, 0, "0 عملة أخرى"}, {Arabic, lengths, 2, "وحدتا طول أخريان"},
        {Arabic, lengths, 103, "103 وحدات طول أخرى"},
        {Arabic, &S::NUM_more_temperatures, 3, "3 وحدات درجة حرارة أخرى"},
        {Arabic, currencies, 11, "11 عملة أخرى"}, {Arabic, lengths, 100, "100 وحدة طول أخرى"},
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
        {"FUSS", "fuss", "fuss"},
        {"Fuß", "fuss", "fuss"},
        {"\u1E9E", "ss", "ss"}, // capital sharp s
        {"ΟΔΟΣ", "οδοσ", "οδοσ"},
        {"οδος", "οδοσ", "οδοσ"}, // final sigma
        {"İSTANBUL", "istanbul", "istanbul"},
        {"ISTANBUL", "istanbul", "istanbul"},
        {"ıstanbul", "istanbul", "istanbul"},
        {"KILOMÈTRE", "kilomètre", "kilometre"},
        {"ＦＴ", "ｆｔ", "ft"},
        {"ガロン", "ガロン", "ガロン"}, // the voicing mark stays: ガ is not カ
        {"a\xFF!", "a\uFFFD!", "a\uFFFD!"}, // not UTF-8
    };
    for (const auto& row : cases) {
        EXPECT_EQ(foldCase(row.text), row.folded) << row.text;
        EXPECT_EQ(foldForSearch(row.text), row.searched) << row.text;
    }
}

} // namespace
} // namespace ratio
