// How a rate document reaches the currency category, on the main thread.
//
// The category is named with the day the rates are of: the document's own
// date, or the day it was downloaded when it gives none. A downloaded
// document replaces the kept one only when DownloadedRates allows it, so a
// stale or damaged answer never costs the rates we have. At start-up the
// kept document is applied, so a stored currency pair can be found again
// before (or without) the next download.
#pragma once

#include "localization/LocalizedStrings.h"
#include "platform/KeptRatesDocument.h"
#include "platform/RatesDocument.h"
#include "units/UnitCatalogue.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <optional>

namespace ratio {

// Rebuilds the currency category from a read document whose rates are of
// `day`, with the locale's currency in the compact list and its short date
// in the category's name. False, changing nothing, when it gives no currency.
bool applyRatesDocument(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RatesDocument& document, const QLocale& locale, const QDate& day);

// True when the document rebuilt the category (and was then kept with
// `today` as its download day). False, changing nothing, when DownloadedRates
// refuses it or it gives no currency.
bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today = QDate::currentDate());

// The day the kept document was downloaded, when one exists and rebuilt the
// category.
std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale);

} // namespace ratio
