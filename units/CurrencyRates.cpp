#include "units/CurrencyRates.h"

#include <algorithm>
#include <array>
#include <vector>

namespace ratio {

namespace {

using S = LocalizedStrings;

const std::array<CurrencyTableRow, 33> table{{
    {&S::Euro, "€", ""},
    {&S::United_States_dollar, "$", "USD"},
    {&S::Japanese_yen, "¥", "JPY"},
    {&S::UK_Pound_sterling, "£", "GBP"},
    {&S::Australian_dollar, "$A", "AUD"},
    {&S::Canadian_dollar, "Can$", "CAD"},
    {&S::Swiss_franc, "SFr.", "CHF"},
    {&S::China_Renminbi, "元", "CNY"},
    {&S::Swedish_krona, "Skr", "SEK"},
    {&S::New_Zealand_dollar, "NZ$", "NZD"},
    {&S::Mexican_peso, "Mex$", "MXN"},
    {&S::Russian_ruble, "₽", "RUB"},
    {&S::Turkish_lira, "₺", "TRY"},
    {&S::Indian_rupee, "₹", "INR"},
    {&S::Brazilian_real, "R$", "BRL"},
    {&S::South_Korean_won, "₩", "KRW"},
    {&S::Bulgarian_lev, "лв", "BGN", "1.95583"}, // in the euro since 2026
    {&S::Czech_koruna, "Kč", "CZK"},
    {&S::Danish_krone, "kr.", "DKK"},
    {&S::Hungarian_forint, "Ft", "HUF"},
    {&S::Polish_złoty, "zł", "PLN"},
    {&S::Romanian_leu, "L", "RON"},
    {&S::Hong_Kong_dollar, "HKD", "HKD"},
    {&S::Norwegian_krone, "NOK", "NOK"},
    {&S::Icelandic_króna, "ISK", "ISK"},
    {&S::Croatian_kuna, "HRK", "HRK", "7.53450"}, // in the euro since 2023
    {&S::Indonesian_rupiah, "IDR", "IDR"},
    {&S::Israeli_new_shekel, "ILS", "ILS"},
    {&S::Malaysian_ringgit, "MYR", "MYR"},
    {&S::Philippine_peso, "PHP", "PHP"},
    {&S::Singapore_dollar, "SGD", "SGD"},
    {&S::Thai_baht, "THB", "THB"},
    {&S::South_African_rand, "ZAR", "ZAR"},
}};

constexpr std::size_t maximumRateTextLength = 32;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits, optionally a point and more digits; no sign, exponent or spaces.
bool isPlainDecimal(std::string_view text) {
    if (text.empty() || text.size() > maximumRateTextLength)
        return false;
    const auto point = std::find(text.begin(), text.end(), '.');
    const auto allDigits = [](auto from, auto to) {
        return from != to && std::all_of(from, to, isDigit);
    };
    if (point == text.end())
        return allDigits(text.begin(), text.end());
    return allDigits(text.begin(), point) && allDigits(point + 1, text.end());
}

// 1 / rate, or none for a rate text that is not a usable positive number.
std::optional<BDouble> factorFromRate(std::string_view rateText) {
    if (!isPlainDecimal(rateText))
        return std::nullopt;
    const auto rate = BDouble::fromText(rateText);
    const auto one = BDouble::fromText("1.0");
    if (!rate || !one)
        return std::nullopt;
    return one->dividedBy(*rate); // none for a rate of zero
}

bool appendCurrencyUnit(Category& category, const std::string& longName,
                        const std::string& shortName, bool added, std::string_view rate) {
    const auto factor = factorFromRate(rate);
    if (!factor)
        return false;
    category.unitDefinitions.emplace_back(shortName, longName, added, -1,
                                          MetricsCalculations{{Operator::Multiplication, *factor}});
    return true;
}

// The euro, then every currency of the table with a rate: its fixed one, or
// the one in `rates`. `anyRate` tells whether `rates` gave one.
Category currencyUnits(const LocalizedStrings& strings, const RateTexts& rates,
                       const std::optional<std::string>& localeCurrencyCode, bool& anyRate) {
    Category currency;
    const CurrencyTableRow& euro = table.front();
    currency.unitDefinitions.emplace_back(euro.shortName, strings.*euro.longName, true, -1,
                                          MetricsCalculations{{Operator::Multiplication, 1}});
    for (const CurrencyTableRow& row : currencyTable().subspan(1)) {
        const std::string_view code = row.code;
        const bool added = code == "USD" || (localeCurrencyCode && *localeCurrencyCode == code);
        const auto rate = rates.find(code);
        if (row.fixedRate)
            appendCurrencyUnit(currency, strings.*row.longName, row.shortName, added,
                               row.fixedRate);
        else if (rate != rates.end())
            anyRate |= appendCurrencyUnit(currency, strings.*row.longName, row.shortName, added,
                                          rate->second);
    }
    return currency;
}

} // namespace

std::span<const CurrencyTableRow> currencyTable() {
    return table;
}

std::optional<std::string> rateTextProblem(std::string_view rateText) {
    if (!isPlainDecimal(rateText))
        return rateText.size() > maximumRateTextLength
                   ? "longer than " + std::to_string(maximumRateTextLength) + " characters"
                   : "'" + std::string(rateText) + "' is not a plain positive decimal";
    if (!factorFromRate(rateText))
        return "a rate of zero";
    return std::nullopt;
}

bool applyCurrencyRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RateTexts& rates,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText) {
    if (catalogue.empty())
        return false;
    // Built aside, so a document without currencies keeps the units we have.
    bool anyRate = false;
    Category rebuilt = currencyUnits(strings, rates, localeCurrencyCode, anyRate);
    if (!anyRate)
        return false;
    Category& currency = catalogue.front();
    currency.unitDefinitions = std::move(rebuilt.unitDefinitions);
    currency.nameSingle = strings.Currency + " " + dateText;
    return true;
}

void setFixedRateCurrencies(Category& currency, const LocalizedStrings& strings) {
    bool anyRate = false;
    currency.unitDefinitions = currencyUnits(strings, {}, std::nullopt, anyRate).unitDefinitions;
}

std::optional<std::string> fixedRateNote(std::string_view shortName) {
    for (const CurrencyTableRow& row : table)
        if (row.fixedRate && row.shortName == shortName)
            return std::string("1 € ≡ ") + row.fixedRate + " " + row.shortName;
    return std::nullopt;
}

bool carriesRatesOfADocument(const Category& currency) {
    return std::any_of(currency.unitDefinitions.begin() +
                           (currency.unitDefinitions.empty() ? 0 : 1),
                       currency.unitDefinitions.end(),
                       [](const UnitDefinition& unit) { return !fixedRateNote(unit.shortName); });
}

std::string missingRateLine(const std::string& longName, std::string_view shortName) {
    return longName + ": 1 € = ? " + std::string(shortName);
}

} // namespace ratio
