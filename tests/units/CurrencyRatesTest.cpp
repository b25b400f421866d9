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

using testing::perEuro;
using testing::shortNames;

class CurrencyApply : public ::testing::Test {
  protected:
    bool apply(const RateTexts& rates, std::optional<std::string> localeCode = "GBP",
               const std::string& date = "02/03/2026") {
        return applyCurrencyRates(catalogue, strings, rates, localeCode, date);
    }
    Category& currency() { return catalogue.front(); }

    EnglishBritishStrings strings;
    UnitCatalogue catalogue = testing::catalogueWithCurrencyCategory();
};

// A rebuild replaces what the user changed: the compact list and the rates.
TEST_F(CurrencyApply, FullDocumentGivesEveryCurrencyInTableOrder) {
    ASSERT_TRUE(apply({{"USD", "1.1"}, {"GBP", "0.8"}}, std::nullopt, "01/03/2026"));
    EXPECT_FALSE(currency().unitDefinitions[2].added); // without a locale currency: € and $
    currency().unitDefinitions[2].indexOfCompactList = 2;
    currency().unitDefinitions[1].added = false;
    RateTexts rates{{"XAU", "0.0005"}}; // not ours
    for (std::size_t i = 1; i < currencyTable().size(); ++i)
        rates.emplace(currencyTable()[i].code, std::to_string(i + 1) + ".125");
    ASSERT_TRUE(apply(rates, "GBP"));
    const auto& units = currency().unitDefinitions;
    ASSERT_EQ(units.size(), 33u);
    EXPECT_EQ(currency().nameSingle, "Currency 02/03/2026");
    // Each unit carries its own code's rate, exactly: 1 / 33.125 has no finite
    // decimal form, yet a euro buys exactly 33.125 rand. The lev and the kuna
    // keep their fixed rates, whatever the document says.
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char* fixed = currencyTable()[i].fixedRate;
        const std::string rate = i == 0 ? "1" : fixed ? fixed : std::to_string(i + 1) + ".125";
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
        ASSERT_TRUE(apply({{"USD", "1.1"}, {"GBP", rate}, {"CHF", "0.9"}})) << rate;
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "SFr.", "лв", "HRK"}))
            << rate;
    }
    // 32 characters is still a rate.
    const std::string longest = "1." + std::string(30, '5');
    ASSERT_TRUE(apply({{"GBP", longest}}));
    EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "£", "лв", "HRK"}));
    EXPECT_EQ(perEuro(currency().unitDefinitions[1]), BDouble::fromText(longest));
}

// Before any rates: the euro and the currencies that joined it, marked as
// fixed; rates whose currencies are none of ours change nothing.
TEST_F(CurrencyApply, FixedRatesBeforeAnyAndRatesWithoutCurrenciesChangeNothing) {
    setFixedRateCurrencies(currency(), strings);
    EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "лв", "HRK"}));
    EXPECT_FALSE(carriesRatesOfADocument(currency()));
    EXPECT_EQ(fixedRateNote("$"), std::nullopt); // the kuna's note is the picker's test
    ASSERT_TRUE(apply({{"USD", "1.1"}, {"JPY", "150"}}, "JPY", "01/03/2026"));
    EXPECT_TRUE(carriesRatesOfADocument(currency()));
    for (const RateTexts& rates : {RateTexts{}, RateTexts{{"XAU", "0.0005"}, {"BGN", "1.9558"}}}) {
        EXPECT_FALSE(apply(rates, "JPY", "09/09/2026"));
        EXPECT_EQ(shortNames(currency()), (std::vector<std::string>{"€", "$", "¥", "лв", "HRK"}));
        EXPECT_EQ(currency().nameSingle, "Currency 01/03/2026");
    }
    catalogue.clear();
    EXPECT_FALSE(apply({{"USD", "1.1"}}));
    EXPECT_TRUE(catalogue.empty());
}

} // namespace
} // namespace ratio
