#include "platform/LocaleFacts.h"

namespace ratio {

namespace {

std::string textOr(const QString& text, const char* fallback) {
    return text.isEmpty() ? std::string(fallback) : text.toStdString();
}

} // namespace

LocaleFacts LocaleFacts::of(const QLocale& locale) {
    LocaleFacts facts;
    facts.decimalSeparator = textOr(locale.decimalPoint(), ".");
    facts.groupingSeparator = textOr(locale.groupSeparator(), ",");
    const QString code = locale.currencySymbol(QLocale::CurrencyIsoCode);
    if (!code.isEmpty())
        facts.currencyCode = code.toStdString();
    for (const QString& language : locale.uiLanguages())
        facts.preferredLanguages.push_back(language.toStdString());
    return facts;
}

std::string shortDateText(const QLocale& locale, const QDate& date) {
    return locale.toString(date, QLocale::ShortFormat).toStdString();
}

} // namespace ratio
