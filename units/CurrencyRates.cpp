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
    {&S::Bulgarian_lev, "лв", "BGN"},
    {&S::Czech_koruna, "Kč", "CZK"},
    {&S::Danish_krone, "kr.", "DKK"},
    {&S::Hungarian_forint, "Ft", "HUF"},
    {&S::Polish_złoty, "zł", "PLN"},
    {&S::Romanian_leu, "L", "RON"},
    {&S::Hong_Kong_dollar, "HKD", "HKD"},
    {&S::Norwegian_krone, "NOK", "NOK"},
    {&S::Icelandic_króna, "ISK", "ISK"},
    {&S::Croatian_kuna, "HRK", "HRK"},
    {&S::Indonesian_rupiah, "IDR", "IDR"},
    {&S::Israeli_new_shekel, "ILS", "ILS"},
    {&S::Malaysian_ringgit, "MYR", "MYR"},
    {&S::Philippine_peso, "PHP", "PHP"},
    {&S::Singapore_dollar, "SGD", "SGD"},
    {&S::Thai_baht, "THB", "THB"},
    {&S::South_African_rand, "ZAR", "ZAR"},
}};

constexpr std::size_t maximumRateTextLength = 32;

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            const unsigned char min = k == 1 ? low : 0x80;
            const unsigned char max = k == 1 ? high : 0xBF;
            if (byte < min || byte > max)
                return false;
        }
        i += length;
    }
    return true;
}

// The first occurrence of `pattern`, byte exact; end() when none.
std::string_view::const_iterator findPattern(std::string_view document, std::string_view pattern) {
    return std::search(document.begin(), document.end(), pattern.begin(), pattern.end());
}

bool contains(std::string_view document, std::string_view pattern) {
    return findPattern(document, pattern) != document.end();
}

// The bytes between the first `pattern` and the next apostrophe, when that
// apostrophe exists and the bytes are UTF-8.
std::optional<std::string> textAfter(std::string_view document, std::string_view pattern) {
    const auto found = findPattern(document, pattern);
    if (found == document.end())
        return std::nullopt;
    const auto textBegin = found + static_cast<std::ptrdiff_t>(pattern.size());
    const auto textEnd = std::find(textBegin, document.end(), '\'');
    if (textEnd == document.end())
        return std::nullopt;
    const std::string_view text(&*textBegin, static_cast<std::size_t>(textEnd - textBegin));
    if (!isValidUtf8(text))
        return std::nullopt;
    return std::string(text);
}

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

} // namespace

std::span<const CurrencyTableRow> currencyTable() {
    return table;
}

std::optional<std::string> findRate(std::string_view document, std::string_view code) {
    return textAfter(document, "<Cube currency='" + std::string(code) + "' rate='");
}

std::optional<std::string> findRatesDate(std::string_view document) {
    return textAfter(document, "<Cube time='");
}

bool carriesUnreadableRate(std::string_view document) {
    for (const CurrencyTableRow& row : currencyTable().subspan(1)) {
        const std::string code = row.code;
        if (!contains(document, "<Cube currency='" + code + "' rate='"))
            continue; // a missing currency is no damage
        const auto rate = findRate(document, code);
        if (!rate || rateTextProblem(*rate))
            return true;
    }
    return false;
}

bool addCurrencyUnit(Category& category, const std::string& longName, const std::string& shortName,
                     bool added, std::string_view document, std::string_view code) {
    const auto rate = findRate(document, code);
    return rate && appendCurrencyUnit(category, longName, shortName, added, *rate);
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
                        std::string_view document,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText) {
    if (document.size() > maximumRatesDocumentSize)
        return false;
    return applyCurrencyRates(
        catalogue, strings, [document](std::string_view code) { return findRate(document, code); },
        localeCurrencyCode, dateText);
}

bool applyCurrencyRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RateLookup& rates,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText) {
    if (catalogue.empty())
        return false;

    // Built aside, so a document without currencies keeps the units we have.
    Category rebuilt;
    const CurrencyTableRow& euro = table.front();
    rebuilt.unitDefinitions.emplace_back(euro.shortName, strings.*euro.longName, true, -1,
                                         MetricsCalculations{{Operator::Multiplication, 1}});
    bool anyCurrency = false;
    for (const CurrencyTableRow& row : currencyTable().subspan(1)) {
        const std::string_view code = row.code;
        const bool added = code == "USD" || (localeCurrencyCode && *localeCurrencyCode == code);
        const auto rate = rates(code);
        anyCurrency |=
            rate && appendCurrencyUnit(rebuilt, strings.*row.longName, row.shortName, added, *rate);
    }
    if (!anyCurrency)
        return false;

    Category& currency = catalogue.front();
    currency.unitDefinitions = std::move(rebuilt.unitDefinitions);
    currency.nameSingle = strings.Currency + " " + dateText;
    return true;
}

} // namespace ratio
