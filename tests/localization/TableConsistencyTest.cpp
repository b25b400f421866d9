// What every language table keeps of the British texts it translates: the
// symbols in a name's closing bracket, and the space after a region bracket.
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace ratio {
namespace {

using S = LocalizedStrings;

// The comma-separated items of a text's closing bracket, "(£, GBP)" giving £
// and GBP; none when the text does not end in a bracket. A bracket may nest
// one level, as in "(hp(M))".
std::vector<std::string> closingSymbols(std::string_view text) {
    if (!text.ends_with(')'))
        return {};
    int depth = 0;
    std::size_t open = text.size();
    while (open-- > 0) {
        depth += text[open] == ')' ? 1 : (text[open] == '(' ? -1 : 0);
        if (depth == 0)
            break;
    }
    if (open == std::string_view::npos)
        return {};
    std::vector<std::string> symbols;
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    for (std::size_t at = 0; at <= inside.size();) {
        const std::size_t comma = std::min(inside.find(", ", at), inside.size());
        symbols.emplace_back(inside.substr(at, comma - at));
        at = comma + 2;
    }
    return symbols;
}

// Whether all of `wanted` occur in `symbols`, in the same order.
bool keepsInOrder(const std::vector<std::string>& symbols, const std::vector<std::string>& wanted) {
    std::size_t next = 0;
    for (const std::string& symbol : symbols)
        if (next < wanted.size() && symbol == wanted[next])
            ++next;
    return next == wanted.size();
}

// The separator after a leading "[...]": a no-break space or a space.
std::string_view afterRegionBracket(std::string_view text) {
    const std::size_t close = text.starts_with('[') ? text.find(']') : std::string_view::npos;
    if (close == std::string_view::npos)
        return {};
    const std::string_view rest = text.substr(close + 1);
    return rest.starts_with("\u00A0") ? "\u00A0" : (rest.starts_with(' ') ? " " : "");
}

TEST(TableConsistency, BritishSymbolsStayInTheClosingBracket) {
    EXPECT_EQ(closingSymbols("Metric horsepower (hp(M))"), std::vector<std::string>{"hp(M)"});
    const EnglishBritishStrings british;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto table = Localization::makeStrings(static_cast<Language>(raw));
        SCOPED_TRACE(raw);
        for (const auto& field : S::textFields()) {
            const std::string& text = *table.*field.member;
            if (field.member == &S::Metric_horsepower && table->hp_M.front() != "hp(M)") {
                // The catalogue appends the table's own symbol, so no bracket may stop it.
                EXPECT_EQ(text.find('('), std::string::npos) << text;
                continue;
            }
            const std::vector<std::string> wanted = closingSymbols(british.*field.member);
            EXPECT_TRUE(keepsInOrder(closingSymbols(text), wanted)) << field.name << ": " << text;
        }
    }
}

// "[UK] Pound sterling" must not break after its bracket; a table that keeps a
// region bracket keeps the space British English puts after it.
TEST(TableConsistency, RegionBracketsKeepTheirSpace) {
    const EnglishBritishStrings british;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto table = Localization::makeStrings(static_cast<Language>(raw));
        SCOPED_TRACE(raw);
        for (const auto& field : S::textFields()) {
            const std::string_view wanted = afterRegionBracket(british.*field.member);
            const std::string_view given = afterRegionBracket(*table.*field.member);
            if (!wanted.empty() && !given.empty()) {
                EXPECT_EQ(given, wanted) << field.name << ": " << *table.*field.member;
            }
        }
    }
}

} // namespace
} // namespace ratio
