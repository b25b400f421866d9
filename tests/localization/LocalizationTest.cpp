// The language library: choosing the language and making its table, for every
// language; the string tables' field list and every table read whole; count
// texts and unit names as the screens show them, the translation files' plural
// forms against ICU's rules, and the folding that search matches by.
#include "localization/Localization.h"
#include "localization/CategoryTexts.h"
#include "localization/CountFormat.h"
#include "localization/LanguagePlurals.h"
#include "localization/LanguageTables.h"
#include "localization/TextFolding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <typeindex>
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

TEST(LanguageChoice, PicksByPrefixOfTheFirstEntryOnlyAndHongKongItsWords) {
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
        {{"zh-Han"}, ChineseSimplified}, {{"zh-HK"}, ChineseSimplified}, {{"nb-NO"}, Norwegian},
        {{"nn-NO"}, EnglishBritish},
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
    // Hong Kong and Macau keep Traditional Chinese as their language (plural
    // rules, settings, units shown first) with Hong Kong's words over Taiwan's;
    // a tag without the script is Simplified Chinese by the prefix rule.
    for (const char* code : {"zh-Hant-HK", "zh-Hant-MO"})
        expectChoice({code}, Language::ChineseTraditional, Variant::ChineseHongKong);
    const auto taiwan = Localization::makeStrings(Language::ChineseTraditional);
    const auto hongKong =
        Localization::makeStrings(Language::ChineseTraditional, Variant::ChineseHongKong);
    // clang-format off
    const std::pair<std::string S::*, std::pair<const char*, const char*>> words[] = {
        {&S::Meter, {"公尺 (m)", "米 (m)"}}, {&S::Ounce, {"盎司 (oz.)", "安士 (oz.)"}},
        // What Hong Kong says as Taiwan does comes from the Traditional table.
        {&S::Kilometer, {"公里 (km)", "公里 (km)"}}, {&S::Cancel, {"取消", "取消"}},
    };
    // clang-format on
    for (const auto& [field, texts] : words) {
        EXPECT_EQ(*taiwan.*field, texts.first);
        EXPECT_EQ(*hongKong.*field, texts.second);
    }
}

// The list, generated from the template, must name every text field once: a
// field without its entry in the template would stay empty in every language.
// Besides its texts a table holds its virtual table pointer, hp_M and a flag.
TEST(TextFieldList, NamesEveryTextFieldOnce) {
    const S table;
    std::set<const std::string*> members;
    for (const auto& field : S::textFields())
        members.insert(&(table.*field.member));
    const std::size_t textBytes = sizeof(S) - sizeof(void*) - sizeof(table.hp_M) - alignof(S);
    EXPECT_EQ(members.size(), S::textFields().size());
    EXPECT_EQ(members.size(), textBytes / sizeof(std::string));
}

TEST(CategoryTexts, NameFiftyTwoDistinctFieldsInTheirRoles) {
    const EnglishBritishStrings british;
    std::set<const std::string*> members;
    for (const auto& category : categoryTexts()) {
        SCOPED_TRACE(british.*category.name);
        for (auto member :
             {category.name, category.moreUnits, category.pickFirst, category.pickSecond})
            members.insert(&(british.*member));
        EXPECT_TRUE((british.*category.moreUnits).starts_with("one{%i more ") &&
                    (british.*category.pickFirst).starts_with("Pick first ") &&
                    (british.*category.pickSecond).starts_with("Pick second "));
    }
    EXPECT_EQ(members.size(), 52u);
}

// The ", "-separated items of a text's closing bracket, "(£, GBP)" giving £ and
// GBP; none when the text does not end in one. A bracket may nest once: "(hp(M))".
std::vector<std::string> closingSymbols(std::string_view text) {
    std::size_t open = text.size();
    for (int depth = 0; text.ends_with(')') && open-- > 0;)
        if ((depth += text[open] == ')' ? 1 : (text[open] == '(' ? -1 : 0)) == 0)
            break;
    std::vector<std::string> symbols;
    const std::string_view inside =
        open < text.size() ? text.substr(open + 1, text.size() - open - 2) : "";
    for (std::size_t at = 0; open < text.size() && at <= inside.size();) {
        const std::size_t comma = std::min(inside.find(", ", at), inside.size());
        symbols.emplace_back(inside.substr(at, comma - at));
        at = comma + 2;
    }
    return symbols;
}

// Whatever a table leaves out or translates must still read soundly: no empty
// text; American English as British but for the metric spellings; regional
// names in the table's own words; the symbols of a name's closing bracket kept
// in order; each Chinese table in its own script (a name taken over from the
// other table brings the other script).
TEST(LanguageTables, EveryTableIsCompleteAndSound) {
    // clang-format off
    // LRM, RLM, ALM, the embeddings, overrides and isolates cut a count or a symbol
    // off its number when a row is laid out; the micro sign is not Greek mu.
    const std::string_view banned[] = {"\u200E", "\u200F", "\u061C", "\u202A", "\u202B",
        "\u202C", "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069", "\u00B5"};
    // Characters whose forms differ between the Chinese scripts; all take three bytes.
    const std::string_view simplifiedOnly = "国湾亩顷吨仑脱时种单择个货币长质积压码钟华摄马罗兰亚卢镑库间";
    const std::string_view traditionalOnly = "國灣畝頃噸侖脫時種單擇個貨幣長質積壓碼鐘華攝馬羅蘭亞盧鎊庫間";
    // clang-format on
    const EnglishBritishStrings british;
    std::set<std::type_index> classes;
    std::vector<std::pair<Language, Localization::Variant>> tables;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw)
        tables.emplace_back(static_cast<Language>(raw), Localization::Variant::None);
    tables.emplace_back(Language::ChineseTraditional, Localization::Variant::ChineseHongKong);
    for (const auto& [language, variant] : tables) {
        SCOPED_TRACE(static_cast<int>(language) * 10 + static_cast<int>(variant));
        const auto table = Localization::makeStrings(language, variant);
        classes.insert(typeid(*table));
        EXPECT_FALSE(table->shouldUseSimpleLocalisation);
        ASSERT_FALSE(table->hp_M.empty() || table->hp_M.front().empty());
        const std::string_view otherScript =
            language == Language::ChineseSimplified
                ? traditionalOnly
                : (language == Language::ChineseTraditional ? simplifiedOnly : "");
        for (const auto& field : S::textFields()) {
            const std::string& text = *table.*field.member;
            const std::string& britishText = british.*field.member;
            SCOPED_TRACE(std::string(field.name) + ": " + text);
            EXPECT_FALSE(text.empty());
            if (language == Language::EnglishUSA) { // British but for the metric spellings
                std::string american = britishText;
                for (const char* spelling : {"etre", "itre"})
                    for (std::size_t at; (at = american.find(spelling)) != std::string::npos;)
                        american.replace(at + 2, 2, "er");
                EXPECT_EQ(text, american);
            }
            for (const std::string_view mark : banned)
                EXPECT_EQ(text.find(mark), std::string::npos) << "a banned character";
            for (std::size_t at = 0; at < otherScript.size(); at += 3)
                EXPECT_EQ(text.find(otherScript.substr(at, 3)), std::string::npos);
            if (field.member == &S::Metric_horsepower && table->hp_M.front() != "hp(M)") {
                // The catalogue appends the table's own symbol, so no bracket may stop it.
                EXPECT_EQ(text.find('('), std::string::npos);
            } else {
                const std::vector<std::string> wanted = closingSymbols(britishText);
                std::size_t kept = 0;
                for (const std::string& symbol : closingSymbols(text))
                    kept += kept < wanted.size() && symbol == wanted[kept];
                EXPECT_EQ(kept, wanted.size()) << "a symbol of the closing bracket is lost";
            }
            const bool china = britishText.starts_with("[China] ");
            if (!china && !britishText.starts_with("[Taiwan] "))
                continue;
            const std::string prefix = "[" + (china ? table->China : table->Taiwan) + "] ";
            EXPECT_TRUE(text.starts_with(prefix) && text.size() > prefix.size());
        }
    }
    // A copied line in the mapping would give two tables one class.
    EXPECT_EQ(classes.size(), tables.size());
}

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
    const auto ru = Localization::makeStrings(Russian), ar = Localization::makeStrings(Arabic);
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
        // The tables' forms under the right keywords, at counts where a mix-up
        // of the last-digit rules would show too. Arabic: zero, the dual (which
        // says two itself), the plural of 3-10 (and 103-110), many, other.
        {ru->NUM_more_currencies, Russian, 21, "Ещё 21 валюта"},
        {ru->NUM_more_lengths, Russian, 24, "Ещё 24 единицы длины"},
        {ru->NUM_more_currencies, Russian, 11, "Ещё 11 валют"},
        {ar->NUM_more_currencies, Arabic, 0, "0 عملة أخرى"},
        {ar->NUM_more_lengths, Arabic, 2, "وحدتا طول أخريان"},
        {ar->NUM_more_lengths, Arabic, 103, "103 وحدات طول أخرى"},
        {ar->NUM_more_currencies, Arabic, 11, "11 عملة أخرى"},
        {ar->NUM_more_lengths, Arabic, 100, "100 وحدة طول أخرى"},
    };
    // clang-format on
    for (const auto& [text, language, count, expected] : cases)
        EXPECT_EQ(formatCount(text, count, language), expected)
            << '"' << text << "\" with " << count << " in " << static_cast<int>(language);
    // No fixed-size buffer: a long format comes out whole.
    EXPECT_EQ(formatCount(std::string(10000, '%') + "%i", 42, Language::EnglishBritish),
              std::string(5000, '%') + "42");
}

// Names as users type them: full case folding, dotted and dotless i as one,
// and for searching no accents or widths either.
TEST(TextFolding, FoldsCaseFullyAndSearchesWithoutAccents) {
    const struct {
        const char *text, *folded, *searched;
    } cases[] = {
        {"Fuß", "fuss", "fuss"},
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
