// How a rate document reaches the currency category, on the main thread.
//
// The category is named with the day the rates are of: the document's own
// date, or the day it was downloaded when it gives none. A downloaded
// document replaces the kept one only when it is sound and not older than
// it, so a stale or damaged answer never costs the rates we have. At
// start-up the kept document is applied, so a stored currency pair can be
// found again before (or without) the next download.
#pragma once

#include "localization/LocalizedStrings.h"
#include "platform/KeptRatesDocument.h"
#include "units/UnitCatalogue.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <optional>

namespace ratio {

// The day the document's rates are of (its time attribute, yyyy-mm-dd), or
// `fallback` when it has no readable one.
QDate ratesDay(const QByteArray& document, const QDate& fallback);

// Rates of a day after tomorrow cannot have been published anywhere yet; kept,
// they would block every real document until that day.
bool isImplausiblyLate(const QDate& ratesDay, const QDate& today);

// True when the document rebuilt the category (and was then kept with
// `today` as its download day). False, changing nothing, when it carries an
// unreadable rate, is dated after tomorrow or before the kept document, or
// gives no currency.
bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today = QDate::currentDate());

// The day the kept document was downloaded, when one exists and rebuilt the
// category.
std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale);

} // namespace ratio
