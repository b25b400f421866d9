// Currency units made from the rates a reference-rate document gives.
//
// Data flow: the platform's reader turns the document into rate texts by
// currency code; category 0 is rebuilt with the euro as base unit and one
// unit per currency of the table with a rate, each multiplying by 1 / rate.
// Currencies that joined the euro convert through their irrevocably fixed
// rate, with or without a document. Rates that yield no currency at all
// leave the category as it was.
#pragma once

#include "localization/LocalizedStrings.h"
#include "units/Category.h"
#include "units/UnitCatalogue.h"

#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ratio {

// One row of the currency table, in the order the units are appended.
struct CurrencyTableRow {
    std::string LocalizedStrings::*longName;
    const char* shortName;
    const char* code;                // empty for the euro, the base unit
    const char* fixedRate = nullptr; // per euro, for a currency that joined the euro
};

// The euro first, then the 32 currencies a document may carry.
std::span<const CurrencyTableRow> currencyTable();

// The real document is under 2 KB; anything this big is not it.
inline constexpr std::size_t maximumRatesDocumentSize = 1024 * 1024;

// Rate texts by currency code, as a document gives them ("USD" -> "1.0854").
using RateTexts = std::map<std::string, std::string, std::less<>>;

// Rebuilds category 0 from `rates` and names it "<Currency> <dateText>" (the
// day the rates are of). The euro and the US dollar start in the compact
// list, and so does the currency whose code is the locale's. Returns false,
// changing nothing, when `rates` give no currency of the table beyond the
// fixed ones, or the catalogue has no category 0.
bool applyCurrencyRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RateTexts& rates,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText);

// The units of a currency category before any rates: the euro and the
// currencies of fixed rate.
void setFixedRateCurrencies(Category& currency, const LocalizedStrings& strings);

// How the unit lists mark a currency of fixed rate ("1 € ≡ 7.53450 HRK"),
// by its short name; none for any other unit.
std::optional<std::string> fixedRateNote(std::string_view shortName);

// Whether the currency category holds a currency beyond the euro and the
// fixed ones: whether rates have arrived.
bool carriesRatesOfADocument(const Category& currency);

// The line that says a currency has no rate ("Russian ruble (₽, RUB, руб):
// 1 € = ? ₽"), written without words so that it reads in every language.
std::string missingRateLine(const std::string& longName, std::string_view shortName);

// Why a rate text cannot give a unit ("not a plain positive decimal", "zero"),
// or none when it can.
std::optional<std::string> rateTextProblem(std::string_view rateText);

} // namespace ratio
