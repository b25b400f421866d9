// The string tables: the field list, what partial tables fall back to, and every
// table read whole.
#include "localization/CategoryTexts.h"
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

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <vector>

namespace ratio {
namespace {

using S = LocalizedStrings;

// The list must name every text field once, or the checks that walk whole
// tables miss a text. Besides its texts a table holds its virtual table
// pointer, hp_M and a flag.
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

TEST(PartialTable, KeepsBritishTextsAndComposesRegionalNamesAfresh) {
    struct PartialStrings : EnglishBritishStrings {
        using EnglishBritishStrings::composeRegionalNames;
    } partial;
    partial.Cancel = "Cancel·la";
    partial.China = "Xina";
    partial.composeRegionalNames();
    const EnglishBritishStrings british;
    // Only what it set, and the names built from its China word, differ.
    for (const auto& field : S::textFields()) {
        const std::string& britishText = british.*field.member;
        if (field.member == &S::Cancel || field.member == &S::China)
            continue;
        EXPECT_EQ(partial.*field.member, britishText.starts_with("[China] ")
                                             ? "[Xina] " + britishText.substr(8)
                                             : britishText)
            << field.name;
    }

    // Composing again replaces rather than nests.
    partial.Taiwan = "Taïwan";
    partial.composeRegionalNames({{&S::China_Renminbi, "Renminbi (CNY)"}, {&S::mǔ_area, "mu"}});
    EXPECT_EQ(partial.China_Renminbi, "[Xina] Renminbi (CNY)");
    EXPECT_EQ(partial.Taiwan_Pêⁿ, "[Taïwan] 坪 / Pêⁿ / Phiàng / Píng");
    // A rest given once is not remembered for the next composition.
    partial.composeRegionalNames();
    EXPECT_EQ(partial.China_Renminbi, "[Xina] Renminbi (元, CNY, RMB¥, CNH)");
}

TEST(AmericanStrings, DifferFromBritishInTheMetricSpellingsOnly) {
    const EnglishUSAStrings american;
    const EnglishBritishStrings british;
    for (const auto& field : S::textFields()) {
        std::string expected = british.*field.member;
        for (const char* spelling : {"etre", "itre"})
            for (std::size_t at; (at = expected.find(spelling)) != std::string::npos;)
                expected.replace(at + 2, 2, "er");
        EXPECT_EQ(american.*field.member, expected) << field.name;
    }
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

// What follows a leading "[region]": a no-break space, a space, or nothing.
std::string_view afterRegionBracket(std::string_view text) {
    const std::size_t close = text.starts_with('[') ? text.find(']') : std::string_view::npos;
    const std::string_view rest = close == std::string_view::npos ? "" : text.substr(close + 1);
    return rest.starts_with("\u00A0") ? "\u00A0" : (rest.starts_with(' ') ? " " : "");
}

// Whatever a table leaves out or translates must still read soundly: no empty
// text; regional names in the table's own words, with the space British English
// puts after the bracket ("[UK] Pound sterling" must not break there); the
// symbols of a name's closing bracket kept in order; each Chinese table in its
// own script (a name taken over from the other table brings the other script).
TEST(LanguageTables, EveryTableIsCompleteAndSound) {
    // clang-format off
    // LRM, RLM, ALM, the embeddings, overrides and isolates cut a count or a symbol
    // off its number when a row is laid out; the micro sign is not Greek mu.
    const std::string_view banned[] = {"\u200E", "\u200F", "\u061C", "\u202A", "\u202B",
        "\u202C", "\u202D", "\u202E", "\u2066", "\u2067", "\u2068", "\u2069", "\u00B5"};
    // Characters whose forms differ between the Chinese scripts; all take three bytes.
    const std::string_view simplifiedOnly = "国湾亩顷吨仑脱时种单择个货币长质积压码钟华摄马罗兰亚卢镑库间";
    const std::string_view traditionalOnly = "國灣畝頃噸侖脫時種單擇個貨幣長質積壓碼鐘華攝馬羅蘭亞盧鎊庫間";
#define ROW(name) {Language::name, &name##Strings::sameAsBritish}
    const std::map<Language, const std::vector<std::string_view>*> sameAsBritish = {
        ROW(German), ROW(French), ROW(Czech), ROW(Japanese), ROW(Spanish), ROW(PortugueseBrazil),
        ROW(PortuguesePortugal), ROW(Italian), ROW(Catalan), ROW(Polish), ROW(Danish),
        ROW(Dutch), ROW(Swedish), ROW(Finnish), ROW(Norwegian), ROW(Romanian), ROW(Slovac),
        ROW(Turkish), ROW(Croatian), ROW(Hungarian), ROW(Greek), ROW(Arabic), ROW(Hebrew),
        ROW(Hindi), ROW(Russian), ROW(Ukrainian), ROW(Thai), ROW(Vietnamese), ROW(Indonesian),
        ROW(Malay), ROW(ChineseSimplified), ROW(ChineseTraditional), ROW(Korean)};
#undef ROW
    // clang-format on
    const EnglishBritishStrings british;
    EXPECT_EQ(afterRegionBracket(british.UK_Pound_sterling), "\u00A0");
    std::set<std::type_index> classes;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        SCOPED_TRACE(raw);
        const auto table = Localization::makeStrings(language);
        classes.insert(typeid(*table));
        EXPECT_FALSE(table->shouldUseSimpleLocalisation);
        ASSERT_FALSE(table->hp_M.empty() || table->hp_M.front().empty());
        const std::string_view otherScript =
            language == Language::ChineseSimplified
                ? traditionalOnly
                : (language == Language::ChineseTraditional ? simplifiedOnly : "");
        // A translation translates every field it does not declare British.
        const auto row = sameAsBritish.find(language);
        const auto* declared = row == sameAsBritish.end() ? nullptr : row->second;
        EXPECT_EQ(declared == nullptr,
                  language == Language::EnglishUSA || language == Language::EnglishBritish)
            << "a translation without its row above";
        std::size_t matched = 0;
        int regional = 0;
        for (const auto& field : S::textFields()) {
            const std::string& text = *table.*field.member;
            const std::string& britishText = british.*field.member;
            SCOPED_TRACE(std::string(field.name) + ": " + text);
            EXPECT_FALSE(text.empty());
            if (declared) {
                const auto listed = std::count(declared->begin(), declared->end(), field.name);
                matched += static_cast<std::size_t>(listed);
                EXPECT_EQ(text == britishText, listed == 1)
                    << "declared British but differs or twice, or reads as British undeclared";
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
            const std::string_view space = afterRegionBracket(text);
            const std::string_view britishSpace = afterRegionBracket(britishText);
            EXPECT_TRUE(space.empty() || britishSpace.empty() || space == britishSpace);
            const bool china = britishText.starts_with("[China] ");
            if (!china && !britishText.starts_with("[Taiwan] "))
                continue;
            ++regional;
            const std::string prefix = "[" + (china ? table->China : table->Taiwan) + "] ";
            EXPECT_TRUE(text.starts_with(prefix) && text.size() > prefix.size());
        }
        EXPECT_EQ(regional, 19);
        EXPECT_EQ(matched, declared ? declared->size() : 0) << "a declared name is no text field";
    }
    // A copied line in the mapping would give two languages one class.
    EXPECT_EQ(classes.size(), 35u);
}

} // namespace
} // namespace ratio
