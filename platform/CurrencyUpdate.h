// How a rate document reaches the currency category, on the main thread.
//
// A downloaded document is applied with today's date in the category name
// and, when it gave currency units, kept with that date. At start-up the kept
// document is applied with the day it was downloaded, so a stored currency
// pair can be found again before (or without) the next download.
#pragma once

#include "localization/LocalizedStrings.h"
#include "platform/KeptRatesDocument.h"
#include "units/UnitCatalogue.h"

#include <QByteArray>
#include <QDate>
#include <QLocale>

#include <optional>

namespace ratio {

// True when the document rebuilt the category (and was then kept).
bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today = QDate::currentDate());

// The day the kept document was downloaded, when one exists and rebuilt the
// category.
std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale);

} // namespace ratio
