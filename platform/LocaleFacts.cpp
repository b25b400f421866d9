#include "platform/LocaleFacts.h"

#include <algorithm>

namespace ratio {

namespace {

std::string textOr(const QString& text, const char* fallback) {
    return text.isEmpty() ? std::string(fallback) : text.toStdString();
}

// Whether the language's territories default to different scripts, so that a
// tag without the script leaves the writing open (Chinese: Taiwan Traditional,
// China Simplified). English also has Deseret locales, but none by default.
bool scriptVariesByTerritory(QLocale::Language language) {
    QList<QLocale::Script> scripts;
    for (const QLocale& locale :
         QLocale::matchingLocales(language, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QLocale::Script script = QLocale(language, locale.territory()).script();
        if (!scripts.contains(script))
            scripts.append(script);
    }
    return scripts.size() > 1;
}

// "zh-TW" gives "zh-Hant-TW" and "en-Latn-US" gives "en-US".
QString phoneTag(const QString& tag) {
    QStringList parts = tag.split(u'-');
    const bool hasScript = parts.size() > 1 && parts[1].size() == 4;
    const QLocale locale(tag);
    if (locale.language() == QLocale::C ||
        parts.front() != QLocale::languageToCode(locale.language()))
        return tag; // not a tag QLocale reads as such: passed on as it is
    const bool wantsScript = scriptVariesByTerritory(locale.language());
    if (hasScript && !wantsScript)
        parts.removeAt(1);
    else if (!hasScript && wantsScript)
        parts.insert(1, QLocale::scriptToCode(locale.script()));
    return parts.join(u'-');
}

} // namespace

std::vector<std::string> LocaleFacts::preferredLanguageTags(const QStringList& uiLanguages) {
    std::vector<std::string> tags;
    for (const QString& language : uiLanguages) {
        std::string tag = phoneTag(language).toStdString();
        if (std::find(tags.begin(), tags.end(), tag) == tags.end())
            tags.push_back(std::move(tag));
    }
    return tags;
}

LocaleFacts LocaleFacts::of(const QLocale& locale) {
    LocaleFacts facts;
    facts.decimalSeparator = textOr(locale.decimalPoint(), ".");
    facts.groupingSeparator = textOr(locale.groupSeparator(), ",");
    const QString code = locale.currencySymbol(QLocale::CurrencyIsoCode);
    if (!code.isEmpty())
        facts.currencyCode = code.toStdString();
    facts.preferredLanguages = preferredLanguageTags(locale.uiLanguages());
    return facts;
}

std::string shortDateText(const QLocale& locale, const QDate& date) {
    return locale.toString(date, QLocale::ShortFormat).toStdString();
}

} // namespace ratio
