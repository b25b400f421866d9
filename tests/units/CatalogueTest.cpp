// The built catalogue: the short lists each language starts with, the British
// name kept beside a translated one, and against what references state every
// unit's value in its category's base unit beside GNU units', and relations
// between its units, exact. Then the currency category as rate documents
// rebuild it.
#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"
#include "support/CurrencyCategory.h"
#include "units/CurrencyRates.h"
#include "units/UnitCatalogueBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace ratio {
namespace {

constexpr std::size_t length = 1, mass = 2, volume = 3, speed = 4, area = 5, information = 6,
                      pressure = 7, power = 8, energy = 9, time = 10, temperature = 11, fuel = 12;

const UnitCatalogue& catalogue() {
    static const UnitCatalogue built = [] {
        static const EnglishBritishStrings british;
        UnitCatalogue units;
        buildUnitCatalogue(units, british, Language::EnglishBritish, british);
        return units;
    }();
    return built;
}

const UnitDefinition* unitIn(std::size_t category, const std::string& shortName) {
    for (const UnitDefinition& unit : catalogue().at(category).unitDefinitions)
        if (unit.shortName == shortName)
            return &unit;
    return nullptr;
}

BDouble decimal(const std::string& text) {
    const std::optional<BDouble> number = BDouble::fromText(text);
    EXPECT_TRUE(number) << text;
    return number.value_or(BDouble());
}

// "count name": that many of the unit of `category` so named, in base units.
BDouble inBaseUnits(const std::string& quantity, std::size_t category) {
    const std::size_t space = quantity.find(' ');
    const UnitDefinition* unit = unitIn(category, quantity.substr(space + 1));
    EXPECT_TRUE(unit) << "no unit in " << quantity;
    const BDouble count = decimal(quantity.substr(0, space));
    return unit ? applyForwards(unit->metricsCalculations, count).value_or(BDouble()) : BDouble();
}

// Thirds, fifteenths and ninths, which no comparison of decimals could hold.
TEST(CatalogueDefinitions, RelationsReferencesStateHoldExactly) {
    const struct {
        std::size_t category;
        std::string left, right;
    } relations[] = {
        // clang-format off
        {length, "3 市尺", "1 m"}, {length, "30000 毫", "1 m"}, {area, "15 亩 / 畝", "1 ha"},
        {area, "1000 毫", "1 亩 / 畝"}, {area, "121 Pêⁿ", "400 m²"},
        {volume, "3 US tsp.", "1 US Tbsp."}, {volume, "32 Imp.Tbsp.", "1 Imp.pt."},
        {temperature, "212 °F", "100 °C"},
        // clang-format on
    };
    for (const auto& [category, left, right] : relations) {
        SCOPED_TRACE(left + " = " + right);
        const BDouble l = inBaseUnits(left, category), r = inBaseUnits(right, category);
        EXPECT_TRUE(l == r) << l.fractionText() << " against " << r.fractionText();
    }
}

// Per category, "ours=GNU units' name" (or the one name both use), or where GNU
// units lacks the unit "ours=its definition in GNU units' terms"; as `units`
// reads "You have": one of the unit. GNU units lacks the Chinese market units
// of 1984 (市尺 = 1|3 m, 15 亩 = 1 ha), defines the parsec as au / tan(arcsec),
// 8e-12 shorter, and the Imperial tablespoon as 15 ml.
const std::pair<std::size_t, std::string> gnuNames[] = {
    // clang-format off
    {length, "mile; km; m; yd=yard; ft; dm; in=inch; cm; mm; thou; μm=micrometer; nm; "
             "Å=angstrom; M=nauticalmile; fth=fathom; ls=lightsecond; lm=lightminute; "
             "ly=lightyear"},
    {mass, "tn. l.=longton; t=tonne; tn. sh.=shortton; st=stone; kg; lb=pound; oz.=ounce; "
           "g=gram; mg; μg=microgram"},
    {volume, "m³=m^3; ft3=ft^3; Imp.gal.=brgallon; US.liq.gal.=usgallon; US.dry.gal.=drygallon; "
             "Imp.qt.=brquart; l=liter; US.liq.qt.=usquart; Imp.pt.=brpint; US.liq.pt.=uspint; "
             "Imp.cup=brcup; US legal cup=legalcup; dl; US fl.oz.=usfloz; in3=in^3; "
             "US Tbsp.=ustablespoon; US tsp.=usteaspoon; ml"},
    {speed, "mph; km/h=km/hr; m/s; ft/s; kn=knot"},
    {area, "mi²=mile^2; km²=km^2; m²=m^2; ha=hectare; ac=acre; cm²=cm^2; mm²=mm^2; in²=inch^2; "
           "yd²=yard^2; ft²=ft^2; Kah=jia; Hun=fen; Pêⁿ=ping"},
    {information, "YiB; YB; ZiB; ZB; EiB; EB; PiB; PB; TiB; TB; GiB; GB; MiB; MB; KiB; KB=kB; "
                  "B=byte; bit"},
    {pressure, "bar; atm; Pa; hPa; mbar=millibar; Torr=torr; mmHg; psi"},
    {power, "MW; kW; hp(M)=metrichorsepower; W"},
    {energy, "kcal; kJ; cal=calorie; J"},
    {time, "y=commonyear; w=week; d=day; h=hour; min; s; ms; μs=microsecond; ns"},
    {temperature, "°C=tempC(1); °F=tempF(1); K"},
    {fuel, "mpgUS=mile/usgallon; mpl=mile/liter"},
    {length, "市里=500 m; 引=100|3 m; 市丈=10|3 m; 市尺=1|3 m; 市寸=1|30 m; 市分=1|300 m; 厘 / 釐=1|3000 m; "
             "毫=1|30000 m; lh=c hour; ld=c day; pc=648000 au / pi"},
    {volume, "Imp.Tbsp.=5|8 brfloz; Metric Tbsp.=15 ml"},
    {area, "顷 / 頃=100 * 10000|15 m^2; 亩 / 畝=10000|15 m^2; 市分=1|10 * 10000|15 m^2; "
           "厘 / 釐=1|100 * 10000|15 m^2; 毫=1|1000 * 10000|15 m^2; Lê=5 jia; Bó\u0358=30 ping"},
    // clang-format on
};

// GNU units' value of each "have" in its "want", from one process: the
// numbers it prints with -t, one a line.
std::vector<std::string>
gnuUnitsValues(const std::vector<std::pair<std::string, std::string>>& ask) {
    // Only the standard definitions (-f ''), never a user's ~/.units; 40
    // places keep the relative precision of the smallest units.
    std::string command = "LC_ALL=C units -f '' -t -o '%.40f' <<'END'\n";
    for (const auto& [have, want] : ask)
        command += have + "\n" + want + "\n";
    command += "END\n";
    std::vector<std::string> values;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (char value[128]; fscanf(pipe, "%127s", value) == 1;)
            values.emplace_back(value);
        pclose(pipe);
    }
    return values;
}

// GNU units computes in doubles: within 1e-12 of the exact value.
TEST(CatalogueDefinitions, EveryUnitAgreesWithGnuUnits) {
    const std::string baseUnit[] = {"",    "m", "g", "l", "m/s", "m^2",   "bit",
                                    "bar", "W", "J", "s", "K",   "mile/l"};
    struct GnuUnit {
        std::size_t category;
        std::string shortName, gnu;
    };
    std::vector<GnuUnit> rows;
    std::vector<std::pair<std::string, std::string>> ask;
    for (const auto& [category, list] : gnuNames)
        for (std::size_t at = 0; at < list.size();) {
            const std::size_t end = std::min(list.find("; ", at), list.size());
            const std::string row = list.substr(at, end - at);
            const std::size_t equals = row.find('=');
            rows.push_back({category, row.substr(0, equals),
                            row.substr(equals == std::string::npos ? 0 : equals + 1)});
            ask.emplace_back(rows.back().gnu, baseUnit[category]);
            at = end + 2;
        }
    std::size_t builtIn = 0;
    for (std::size_t c = 1; c < catalogue().size(); ++c)
        builtIn += catalogue()[c].unitDefinitions.size();
    ASSERT_EQ(rows.size(), builtIn) << "every unit of the catalogue has its row here";

    const std::vector<std::string> values = gnuUnitsValues(ask);
    ASSERT_EQ(values.size(), ask.size())
        << "GNU units (Debian package units) is missing or refused a line: "
        << ::testing::PrintToString(values);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].shortName + " as " + rows[i].gnu + " = " + values[i]);
        const UnitDefinition* unit = unitIn(rows[i].category, rows[i].shortName);
        ASSERT_TRUE(unit) << "no unit " << rows[i].shortName;
        const BDouble ours = applyForwards(unit->metricsCalculations, 1).value_or(BDouble());
        const BDouble theirs = decimal(values[i]);
        BDouble difference = ours - theirs;
        if (difference.isNegative())
            difference.negate();
        EXPECT_FALSE((ours * BDouble::tenToTheMinus(12) - difference).isNegative())
            << "ours " << ours.decimalExpansion(30);
    }
}

// Built over leftovers, so every test also sees that a build replaces them.
UnitCatalogue builtCatalogue(Language language,
                             const LocalizedStrings& strings = EnglishBritishStrings()) {
    static const EnglishBritishStrings british;
    UnitCatalogue catalogue(3);
    catalogue[1].unitDefinitions.emplace_back("x", "X", true, 0, MetricsCalculations{});
    buildUnitCatalogue(catalogue, strings, language, british);
    return catalogue;
}

std::string addedShortNames(const Category& category) {
    std::string names;
    for (const UnitDefinition& unit : category.unitDefinitions)
        if (unit.added)
            names += (names.empty() ? "" : ",") + unit.shortName;
    return names;
}

TEST(CatalogueShape, CompactListsAndNamesPerLanguage) {
    const std::tuple<Language, size_t, std::string> compactLists[] = {
        {Language::EnglishBritish, 1, "mile,km,m,yd,ft,in,cm"},
        {Language::ChineseSimplified, 1, "mile,km,m,yd,ft,in,cm,市里,市寸,市分"},
        {Language::ChineseSimplified, 5, "mi²,km²,m²,ha,ac,亩 / 畝"},
        {Language::ChineseTraditional, 5, "mi²,km²,m²,ha,ac,Lê,Kah,Hun,Bó\u0358,Pêⁿ"},
    };
    for (const auto& [language, category, added] : compactLists)
        EXPECT_EQ(addedShortNames(builtCatalogue(language)[category]), added)
            << static_cast<int>(language) << ", category " << category;
    // A translated name keeps the English one alongside.
    EnglishBritishStrings german;
    german.Inch = "Zoll";
    const UnitCatalogue catalogue = builtCatalogue(Language::German, german);
    EXPECT_EQ(catalogue[1].unitDefinitions[6].longName, "Zoll / Inch (in)");
    EXPECT_EQ(catalogue[2].unitDefinitions[3].longName, "Stone (st)"); // the same name once
}

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
