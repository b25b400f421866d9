#include "platform/CurrencyUpdate.h"

#include "platform/DownloadedRates.h"
#include "platform/LocaleFacts.h"
#include "units/CurrencyRates.h"

namespace ratio {

bool applyRatesDocument(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        const RatesDocument& document, const QLocale& locale, const QDate& day) {
    if (!applyCurrencyRates(catalogue, strings, document.rates,
                            LocaleFacts::of(locale).currencyCode, shortDateText(locale, day)))
        return false;
    catalogue[0].ratesDay = day.toString(Qt::ISODate).toStdString();
    return true;
}

bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today) {
    const DownloadedRates downloaded = DownloadedRates::judge(document, kept, today);
    if (downloaded.verdict != DownloadedRates::Verdict::Keep ||
        !applyRatesDocument(catalogue, strings, downloaded.rates, locale, downloaded.day))
        return false;
    kept.save(document, today); // failing to keep it costs only the next offline start
    return true;
}

std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale) {
    const auto stored = kept.load();
    if (!stored ||
        !applyRatesDocument(catalogue, strings, stored->rates, locale, stored->ratesDay()))
        return std::nullopt;
    return stored->downloaded;
}

} // namespace ratio
