#pragma once

#include <QDate>
#include <QLocale>

#include <optional>
#include <string>
#include <vector>

namespace ratio {

// What the core needs to know about a locale, read from QLocale (which
// carries its own CLDR data, so no system locales are needed).
struct LocaleFacts {
    std::string decimalSeparator;  // "." when the locale gives none
    std::string groupingSeparator; // "," when the locale gives none
    std::optional<std::string> currencyCode;
    std::vector<std::string> preferredLanguages;

    static LocaleFacts of(const QLocale& locale);
    static LocaleFacts system() { return of(QLocale::system()); }

    // Language tags as a phone reports them: with the script where the
    // language's territories write it differently ("zh-Hant-TW", "zh-Hans-CN"),
    // without it elsewhere ("en-US", not "en-Latn-US"), each once, in order.
    static std::vector<std::string> preferredLanguageTags(const QStringList& uiLanguages);
};

// The short date form of the locale, as a user of that locale writes it.
std::string shortDateText(const QLocale& locale, const QDate& date);

} // namespace ratio
