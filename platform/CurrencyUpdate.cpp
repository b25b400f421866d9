#include "platform/CurrencyUpdate.h"

#include "platform/LocaleFacts.h"
#include "units/CurrencyRates.h"

#include <string_view>

namespace ratio {

namespace {

bool apply(UnitCatalogue& catalogue, const LocalizedStrings& strings, const QByteArray& document,
           const QLocale& locale, const QDate& date) {
    const std::string_view bytes(document.constData(), static_cast<std::size_t>(document.size()));
    return applyCurrencyRates(catalogue, strings, bytes, LocaleFacts::of(locale).currencyCode,
                              shortDateText(locale, date));
}

} // namespace

bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today) {
    if (!apply(catalogue, strings, document, locale, today))
        return false;
    kept.save(document, today); // failing to keep it costs only the next offline start
    return true;
}

std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale) {
    const auto document = kept.load();
    if (!document || !apply(catalogue, strings, document->document, locale, document->downloaded))
        return std::nullopt;
    return document->downloaded;
}

} // namespace ratio
