#include "units/CurrencyRates.h"

#include "support/CurrencyCategory.h"

#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ratio {
namespace {

// A document in the feed's shape with made-up rates; codes listed as
// (code, rate text) pairs, non-table currencies allowed.
std::string feed(const std::vector<std::pair<std::string, std::string>>& rates) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                       "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                       "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
                       "\t<Cube>\n\t\t<Cube time='2026-03-02'>\n";
    for (const auto& [code, rate] : rates)
        text += "\t\t\t<Cube currency='" + code + "' rate='" + rate + "'/>\n";
    return text + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

// Every currency of the table, plus one the table does not know.
std::vector<std::pair<std::string, std::string>> allRates() {
    std::vector<std::pair<std::string, std::string>> rates;
    int n = 0;
    for (const CurrencyTableRow& row : currencyTable().subspan(1))
        rates.emplace_back(row.code, std::to_string(2 + n++) + ".125");
    rates.emplace_back("XAU", "0.0005");
    return rates;
}

using testing::shortNames;

// value in `from`, converted and shown with 8 places and trailing zeros trimmed.
std::string converted(const std::string& value, const UnitDefinition& from,
                      const UnitDefinition& to) {
    const auto result =
        convert(*BDouble::fromText(value), from.metricsCalculations, to.metricsCalculations);
    std::string text = result->decimalExpansion(8);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

TEST(CurrencyFindRate, ReadsOnlyTheExactPattern) {
    struct Case {
        const char* what;
        std::string document;
        const char* code;
        std::optional<std::string> rate;
    };
    const Case cases[] = {
        {"plain", "<Cube currency='USD' rate='1.0854'/>", "USD", "1.0854"},
        {"first of two wins", "<Cube currency='USD' rate='1.1'/><Cube currency='USD' rate='9.9'/>",
         "USD", "1.1"},
        {"double quotes", "<Cube currency=\"USD\" rate=\"1.0854\"/>", "USD", std::nullopt},
        {"two spaces", "<Cube currency='USD'  rate='1.0854'/>", "USD", std::nullopt},
        {"letter case", "<Cube currency='usd' rate='1.0854'/>", "USD", std::nullopt},
        {"code is a prefix", "<Cube currency='USDT' rate='1.0854'/>", "USD", std::nullopt},
        {"no closing apostrophe", "<Cube currency='USD' rate='1.0854", "USD", std::nullopt},
        {"pattern at the very end", "<Cube currency='USD' rate='", "USD", std::nullopt},
        {"empty rate", "<Cube currency='USD' rate=''/>", "USD", ""},
        {"text up to the next apostrophe", "<Cube currency='USD' rate='1.0/> x='2'", "USD",
         "1.0/> x="},
        {"invalid UTF-8", "<Cube currency='USD' rate='1\xC3\x28'/>", "USD", std::nullopt},
        {"encoded surrogate", "<Cube currency='USD' rate='\xED\xA0\x80'/>", "USD", std::nullopt},
        {"valid UTF-8", "<Cube currency='USD' rate='\xD9\xA1'/>", "USD", "\xD9\xA1"},
        {"empty document", "", "USD", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(findRate(c.document, c.code), c.rate) << c.what;
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

TEST_F(CurrencyApply, FullDocumentGivesEveryCurrencyInTableOrder) {
    ASSERT_TRUE(apply(feed(allRates()), "GBP"));
    const auto& units = currency().unitDefinitions;
    ASSERT_EQ(units.size(), currencyTable().size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const CurrencyTableRow& row = currencyTable()[i];
        EXPECT_EQ(units[i].shortName, row.shortName);
        EXPECT_EQ(units[i].longName, strings.*row.longName);
        EXPECT_EQ(units[i].indexOfCompactList, -1);
        const bool added = i <= 1 || std::string(row.code) == "GBP";
        EXPECT_EQ(units[i].added, added) << row.code;
    }
    EXPECT_EQ(currency().nameSingle, "Currency 02/03/2026");
    // The chain turns an amount of the currency into euros: 1 € is `rate` of it.
    EXPECT_EQ(converted("1", units[0], units[2]), "3.125");
    EXPECT_EQ(converted("1", units[0], units[32]), "33.125");
}

TEST_F(CurrencyApply, LocaleDecidesTheCompactList) {
    const std::string document = feed({{"USD", "1.2"}, {"JPY", "160"}, {"CHF", "0.95"}});
    struct Case {
        std::optional<std::string> localeCode;
        std::vector<bool> added; // €, $, ¥, SFr.
    };
    const Case cases[] = {
        {"JPY", {true, true, true, false}},
        {"CHF", {true, true, false, true}},
        {"EUR", {true, true, false, false}},
        {std::nullopt, {true, true, false, false}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(apply(document, c.localeCode));
        std::vector<bool> added;
        for (const UnitDefinition& unit : currency().unitDefinitions)
            added.push_back(unit.added);
        EXPECT_EQ(added, c.added) << c.localeCode.value_or("no currency");
    }
}

TEST_F(CurrencyApply, ConvertsExactlyBothWays) {
    ASSERT_TRUE(apply(feed({{"USD", "1.0854"}})));
    const UnitDefinition& euro = currency().unitDefinitions.at(0);
    const UnitDefinition& dollar = currency().unitDefinitions.at(1);
    EXPECT_EQ(converted("100", dollar, euro), "92.13193293");
    EXPECT_EQ(converted("1", euro, dollar), "1.0854");
    EXPECT_EQ(converted("1.0854", dollar, dollar), "1.0854");
}

TEST_F(CurrencyApply, RebuildResetsWhatTheUserChanged) {
    ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"SEK", "11.5"}}), std::nullopt));
    currency().unitDefinitions[2].added = true;
    currency().unitDefinitions[2].indexOfCompactList = 2;
    ASSERT_TRUE(apply(feed({{"USD", "1.2"}, {"SEK", "11.0"}}), std::nullopt, "03/03/2026"));
    EXPECT_FALSE(currency().unitDefinitions[2].added);
    EXPECT_EQ(currency().unitDefinitions[2].indexOfCompactList, -1);
    EXPECT_EQ(currency().nameSingle, "Currency 03/03/2026");
}

TEST_F(CurrencyApply, UnusableRateSkipsOnlyThatCurrency) {
    const std::string hostile[] = {
        "",       "0",
        "0.0000", "-1.5",
        "+1.5",   "1e3",
        "1,5",    " 1.5",
        "1.5 ",   ".5",
        "5.",     "1.2.3",
        "abc",    "\xD9\xA1",
        "0x10",   "NaN",
        "1.5\n",  "1.5&#39;x",
        "\t1",    "Inf",
        "1/2",    "1." + std::string(31, '5'),
    };
    for (const std::string& rate : hostile) {
        ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"GBP", rate}, {"CHF", "0.9"}}))) << rate;
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "SFr."})) << rate;
    }
    // 32 characters is still a rate.
    const std::string longest = "1." + std::string(30, '5');
    ASSERT_TRUE(apply(feed({{"GBP", longest}})));
    EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "£"}));
    EXPECT_EQ(converted("1", currency().unitDefinitions[0], currency().unitDefinitions[1]),
              "1.55555556");
}

TEST_F(CurrencyApply, DocumentWithoutCurrenciesKeepsTheUnitsWeHave) {
    ASSERT_TRUE(apply(feed({{"USD", "1.1"}, {"JPY", "150"}}), "JPY", "01/03/2026"));
    const std::string errorPage =
        "<!DOCTYPE html><html><head><title>404 Not Found</title></head>"
        "<body><h1>Not Found</h1><p>The requested URL was not found.</p></body></html>";
    std::string huge = feed(allRates());
    huge.resize(2 * 1024 * 1024, ' ');
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7919 % 256);
    const std::string rejected[] = {
        "",
        errorPage,
        binary,
        "<Cube currency='USD' rate='1.1",
        feed({{"XAU", "0.0005"}, {"XDR", "0.8"}}),
        feed({{"USD", "0"}, {"JPY", "-3"}}),
        huge,
    };
    for (const std::string& document : rejected) {
        EXPECT_FALSE(apply(document, "JPY", "09/09/2026")) << document.substr(0, 40);
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "¥"}));
        EXPECT_EQ(currency().nameSingle, "Currency 01/03/2026");
    }
}

TEST_F(CurrencyApply, SizeLimitIsInclusive) {
    std::string document = feed({{"USD", "1.1"}});
    document.resize(maximumRatesDocumentSize, ' ');
    EXPECT_TRUE(apply(document));
    document.push_back(' ');
    EXPECT_FALSE(apply(document));
}

TEST(CurrencyApplyWithoutCategory, RefusesAnEmptyCatalogue) {
    UnitCatalogue empty;
    EXPECT_FALSE(applyCurrencyRates(empty, EnglishBritishStrings(), feed({{"USD", "1.1"}}),
                                    std::nullopt, "02/03/2026"));
    EXPECT_TRUE(empty.empty());
}

} // namespace
} // namespace ratio
