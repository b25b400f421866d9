#include "platform/CurrencyUpdate.h"

#include "platform/LocaleFacts.h"
#include "units/CurrencyRates.h"

#include <string_view>

namespace ratio {

namespace {

std::string_view bytesOf(const QByteArray& document) {
    return {document.constData(), static_cast<std::size_t>(document.size())};
}

bool apply(UnitCatalogue& catalogue, const LocalizedStrings& strings, const QByteArray& document,
           const QLocale& locale, const QDate& day) {
    return applyCurrencyRates(catalogue, strings, bytesOf(document),
                              LocaleFacts::of(locale).currencyCode, shortDateText(locale, day));
}

// Whether the kept document's rates are of a later day than `day`.
bool keptIsNewer(const KeptRatesDocument& kept, const QDate& day) {
    const auto stored = kept.load();
    return stored && ratesDay(stored->document, stored->downloaded) > day;
}

} // namespace

bool isImplausiblyLate(const QDate& ratesDay, const QDate& today) {
    return ratesDay > today.addDays(1);
}

QDate ratesDay(const QByteArray& document, const QDate& fallback) {
    const auto text = findRatesDate(bytesOf(document));
    // Strict: the ISO reading would also take a day followed by anything.
    const QDate day =
        text ? QDate::fromString(QString::fromStdString(*text), u"yyyy-MM-dd") : QDate();
    return day.isValid() ? day : fallback;
}

bool applyDownloadedRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                          const KeptRatesDocument& kept, const QByteArray& document,
                          const QLocale& locale, const QDate& today) {
    if (carriesUnreadableRate(bytesOf(document)))
        return false;
    const QDate day = ratesDay(document, today);
    if (isImplausiblyLate(day, today) || keptIsNewer(kept, day) ||
        !apply(catalogue, strings, document, locale, day))
        return false;
    kept.save(document, today); // failing to keep it costs only the next offline start
    return true;
}

std::optional<QDate> applyKeptRates(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                                    const KeptRatesDocument& kept, const QLocale& locale) {
    const auto stored = kept.load();
    if (!stored || !apply(catalogue, strings, stored->document, locale,
                          ratesDay(stored->document, stored->downloaded)))
        return std::nullopt;
    return stored->downloaded;
}

} // namespace ratio
