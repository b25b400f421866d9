#include "units/CurrencyRates.h"

#include "support/CurrencyCategory.h"

#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace ratio {
namespace {

// A document in the feed's shape with made-up (code, rate text) pairs.
std::string feed(const std::vector<std::pair<std::string, std::string>>& rates) {
    std::string text =
        "<?xml version=\"1.0\"?>\n<gesmes:Envelope>\n<Cube>\n<Cube time='2026-03-02'>\n";
    for (const auto& [code, rate] : rates)
        text += "\t<Cube currency='" + code + "' rate='" + rate + "'/>\n";
    return text + "</Cube>\n</Cube>\n</gesmes:Envelope>\n";
}

using testing::shortNames;

// How much of the unit one euro buys, exactly.
std::optional<BDouble> perEuro(const UnitDefinition& unit) {
    return applyBackwards(unit.metricsCalculations, 1);
}

TEST(CurrencyFindRate, ReadsOnlyTheExactPattern) {
    const std::tuple<const char*, std::string, std::optional<std::string>> cases[] = {
        {"plain", "<Cube currency='USD' rate='1.0854'/>", "1.0854"},
        {"first of two", "<Cube currency='USD' rate='1.1'/><Cube currency='USD' rate='9.9'/>",
         "1.1"},
        {"double quotes", "<Cube currency=\"USD\" rate=\"1.0854\"/>", std::nullopt},
        {"code is a prefix", "<Cube currency='USDT' rate='1.0854'/>", std::nullopt},
        {"pattern at the very end", "<Cube currency='USD' rate='", std::nullopt},
        {"invalid UTF-8", "<Cube currency='USD' rate='1\xC3\x28'/>", std::nullopt},
        {"encoded surrogate", "<Cube currency='USD' rate='\xED\xA0\x80'/>", std::nullopt},
        {"valid UTF-8", "<Cube currency='USD' rate='\xD9\xA1'/>", "\xD9\xA1"},
        {"empty document", "", std::nullopt},
    };
    for (const auto& [what, document, rate] : cases)
        EXPECT_EQ(findRate(document, "USD"), rate) << what;
}

TEST(CurrencyFindRatesDate, ReadsTheTimeAttributeAsWritten) {
    // clang-format off
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {feed({{"USD", "1.1"}}), "2026-03-02"},
        {"<Cube time='2024-01-04'><Cube time='1999-01-04'>", "2024-01-04"}, // the first decides
        {"<Cube time=\"2024-01-04\">", {}}, {"<Cube  time='2024-01-04'>", {}},
        {"<Cube time='2024-01-04", {}}, {"<Cube time='\xC3\x28'>", {}},
        {"<Cube currency='USD' rate='1.1'/>", {}},
    };
    // clang-format on
    for (const auto& [document, date] : cases)
        EXPECT_EQ(findRatesDate(document), date) << document;
}

// Any rate of the table's currencies that cannot give a unit marks the whole
// document as damaged; a currency it does not carry, or one not in the table, does not.
TEST(CurrencyUnreadableRate, FoundInAnyTableCurrency) {
    // clang-format off
    const std::pair<std::string, bool> cases[] = {
        {feed({{"USD", "1.0854"}, {"JPY", "160.5"}}), false}, {"", false},
        {feed({{"XAU", "abc"}, {"USD", "1.0854"}}), false},
        {"<Cube currency=\"USD\" rate=\"abc\"/>", false}, // not the pattern: not read at all
        {feed({{"USD", "1.0854"}, {"JPY", "0.01.0953"}}), true},
        {feed({{"ZAR", "0"}, {"USD", "1.0854"}}), true}, {feed({{"GBP", "-0.8"}}), true},
        {feed({{"GBP", "\xC3\x28"}}), true},
        {"<Cube currency='USD' rate='1.0854'/><Cube currency='GBP' rate='0.8", true},
    };
    // clang-format on
    for (const auto& [document, damaged] : cases)
        EXPECT_EQ(carriesUnreadableRate(document), damaged) << document;
}

class CurrencyApply : public ::testing::Test {
  protected:
    bool apply(const std::string& document, std::optional<std::string> localeCode = "GBP",
               const std::string& date = "02/03/2026") {
        return applyCurrencyRates(catalogue, strings, document, localeCode, date);
    }
    Category& currency() { return catalogue.front(); }

    EnglishBritishStrings strings;
    UnitCatalogue catalogue = testing::catalogueWithCurrencyCategory();
};

// A rebuild replaces what the user changed: the compact list and the rates.
TEST_F(CurrencyApply, FullDocumentGivesEveryCurrencyInTableOrder) {
    ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"GBP", "0.8"}}), std::nullopt, "01/03/2026"));
    EXPECT_FALSE(currency().unitDefinitions[2].added); // without a locale currency: € and $
    currency().unitDefinitions[2].indexOfCompactList = 2;
    currency().unitDefinitions[1].added = false;
    std::vector<std::pair<std::string, std::string>> rates{{"XAU", "0.0005"}}; // not ours
    for (std::size_t i = 1; i < currencyTable().size(); ++i)
        rates.emplace_back(currencyTable()[i].code, std::to_string(i + 1) + ".125");
    ASSERT_TRUE(apply(feed(rates), "GBP"));
    const auto& units = currency().unitDefinitions;
    ASSERT_EQ(units.size(), 33u);
    EXPECT_EQ(currency().nameSingle, "Currency 02/03/2026");
    // Each unit carries its own code's rate, exactly: 1 / 33.125 has no finite
    // decimal form, yet a euro buys exactly 33.125 rand.
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::string rate = i == 0 ? "1" : std::to_string(i + 1) + ".125";
        EXPECT_EQ(perEuro(units[i]), BDouble::fromText(rate)) << i;
        EXPECT_EQ(units[i].added, i <= 1 || i == 3) << i; // €, $ and the locale's £
        EXPECT_EQ(units[i].indexOfCompactList, -1);
    }
}

TEST_F(CurrencyApply, UnusableRateSkipsOnlyThatCurrency) {
    // One of each way a rate text can fail: empty, zero, sign, exponent, comma,
    // space, a missing side of the point, two points, a non-ASCII digit, a
    // word, 33 characters.
    const std::string hostile[] = {"",      "0.0000",   "-1.5", "1e3",
                                   "1,5",   " 1.5",     ".5",   "5.",
                                   "1.2.3", "\xD9\xA1", "NaN",  "1." + std::string(31, '5')};
    for (const std::string& rate : hostile) {
        ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"GBP", rate}, {"CHF", "0.9"}}))) << rate;
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "SFr."})) << rate;
    }
    // 32 characters is still a rate.
    const std::string longest = "1." + std::string(30, '5');
    ASSERT_TRUE(apply(feed({{"GBP", longest}})));
    EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "£"}));
    EXPECT_EQ(perEuro(currency().unitDefinitions[1]), BDouble::fromText(longest));
}

TEST_F(CurrencyApply, DocumentWithoutCurrenciesKeepsTheUnitsWeHave) {
    ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"JPY", "150"}}), "JPY", "01/03/2026"));
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7919 % 256);
    const std::string rejected[] = {
        "",
        "<!DOCTYPE html><html><body><h1>404 Not Found</h1></body></html>",
        binary,
        "<Cube currency='USD' rate='1.1",
        feed({{"XAU", "0.0005"}, {"XDR", "0.8"}}),
        feed({{"USD", "0"}, {"JPY", "-3"}})};
    for (const std::string& document : rejected) {
        EXPECT_FALSE(apply(document, "JPY", "09/09/2026")) << document.substr(0, 40);
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "¥"}));
        EXPECT_EQ(currency().nameSingle, "Currency 01/03/2026");
    }
}

TEST_F(CurrencyApply, RefusesAnOversizedDocumentOrAMissingCategory) {
    std::string document = feed({{"USD", "1.1"}});
    document.resize(maximumRatesDocumentSize, ' ');
    EXPECT_TRUE(apply(document));
    document.push_back(' ');
    EXPECT_FALSE(apply(document));
    catalogue.clear();
    EXPECT_FALSE(apply(feed({{"USD", "1.1"}})));
    EXPECT_TRUE(catalogue.empty());
}

} // namespace
} // namespace ratio
