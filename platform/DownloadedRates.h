#pragma once

#include "platform/KeptRatesDocument.h"
#include "platform/RatesDocument.h"

#include <QByteArray>
#include <QDate>

namespace ratio {

// A downloaded rate document judged against the kept one: the one rule on
// whether it may replace it, which the window and ratio-cli both follow. It
// may when it is usable, every rate in it can be read, its rates are not of
// a day still to come (after tomorrow), and the kept rates are not newer.
struct DownloadedRates {
    enum class Verdict { Keep, Unusable, UnreadableRates, ImplausiblyLate, KeptIsNewer };

    RatesDocument rates;
    QDate day;     // the day its rates are of: its own date, or today
    QDate keptDay; // the day of the kept rates, when there are any
    Verdict verdict = Verdict::Unusable;

    static DownloadedRates judge(const QByteArray& document, const KeptRatesDocument& kept,
                                 const QDate& today);
};

} // namespace ratio
