#include "platform/DownloadedRates.h"

namespace ratio {

namespace {

using Verdict = DownloadedRates::Verdict;

Verdict verdictOn(const DownloadedRates& downloaded, const QDate& today) {
    if (!downloaded.rates.usable())
        return Verdict::Unusable;
    if (!downloaded.rates.skipped.empty())
        return Verdict::UnreadableRates; // a damaged rate makes the whole answer suspect
    // Rates of a day after tomorrow cannot have been published anywhere yet;
    // kept, they would block every real document until that day.
    if (downloaded.day > today.addDays(1))
        return Verdict::ImplausiblyLate;
    if (downloaded.keptDay.isValid() && downloaded.keptDay > downloaded.day)
        return Verdict::KeptIsNewer;
    return Verdict::Keep;
}

} // namespace

DownloadedRates DownloadedRates::judge(const QByteArray& document, const KeptRatesDocument& kept,
                                       const QDate& today) {
    DownloadedRates downloaded;
    downloaded.rates = RatesDocument::read(document);
    downloaded.day = downloaded.rates.day(today);
    if (const auto stored = kept.load())
        downloaded.keptDay = stored->ratesDay();
    downloaded.verdict = verdictOn(downloaded, today);
    return downloaded;
}

} // namespace ratio
