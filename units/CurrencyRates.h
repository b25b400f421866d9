// Currency units made from the daily euro reference-rate document.
//
// Data flow: the downloaded bytes come in untouched; each currency's rate is
// found by a byte search for its fixed pattern (the document is not parsed as
// XML); category 0 is rebuilt with the euro as base unit and one unit per
// currency the document carries, each multiplying by 1 / rate. A document
// that yields no currency at all leaves the category as it was. The day the
// rates are of is found the same way, in the document's time attribute.
#pragma once

#include "localization/LocalizedStrings.h"
#include "units/Category.h"
#include "units/UnitCatalogue.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ratio {

// One row of the currency table, in the order the units are appended.
struct CurrencyTableRow {
    std::string LocalizedStrings::*longName;
    const char* shortName;
    const char* code; // empty for the euro, the base unit
};

// The euro first, then the 32 currencies searched for in the document.
std::span<const CurrencyTableRow> currencyTable();

// The real document is under 2 KB; anything this big is not it.
inline constexpr std::size_t maximumRatesDocumentSize = 1024 * 1024;

// The text between "<Cube currency='CODE' rate='" (first occurrence, byte
// exact) and the next apostrophe; none when absent, unclosed or not UTF-8.
std::optional<std::string> findRate(std::string_view document, std::string_view code);

// The text of the first "<Cube time='" up to the next apostrophe: the day the
// rates are of, as the document writes it (yyyy-mm-dd); none when absent,
// unclosed or not UTF-8.
std::optional<std::string> findRatesDate(std::string_view document);

// True when the document carries a rate for a currency of the table that
// cannot give a unit (not a plain positive decimal, zero, unclosed, not
// UTF-8): a damaged document, which must not replace a sound one.
bool carriesUnreadableRate(std::string_view document);

// Appends the unit for `code` with the chain multiplication by 1 / rate.
// Nothing is appended, and false returned, when the document has no usable
// rate: missing, or not a plain positive decimal of at most 32 characters.
bool addCurrencyUnit(Category& category, const std::string& longName, const std::string& shortName,
                     bool added, std::string_view document, std::string_view code);

// Rebuilds category 0 from the document and names it "<Currency> <dateText>".
// The euro and the US dollar start in the compact list, and so does the
// currency whose code is the locale's. Returns false, changing nothing, when
// the document is too large, carries no currency of the table, or the
// catalogue has no category 0.
bool applyCurrencyRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        std::string_view document,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText);

// The rate text a document reader found for a code, or none.
using RateLookup = std::function<std::optional<std::string>(std::string_view code)>;

// As above, with the rates already read out of the document by `rates`.
bool applyCurrencyRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RateLookup& rates,
                        const std::optional<std::string>& localeCurrencyCode,
                        const std::string& dateText);

// Why a rate text cannot give a unit ("not a plain positive decimal", "zero"),
// or none when it can.
std::optional<std::string> rateTextProblem(std::string_view rateText);

} // namespace ratio
