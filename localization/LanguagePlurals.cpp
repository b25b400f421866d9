#include "localization/LanguagePlurals.h"

#include "localization/LanguageTables.h"

#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>

#include <array>
#include <memory>
#include <string>

namespace ratio {

namespace {

// ICU reads a count through a formatted number, which keeps every 64-bit
// count exact where a double would round the large ones.
struct LanguageRules {
    std::unique_ptr<icu::PluralRules> rules;
    icu::number::LocalizedNumberFormatter formatter;
};

LanguageRules rulesOf(Language language) {
    const icu::Locale locale(std::string(translationFile(language).locale).c_str());
    UErrorCode status = U_ZERO_ERROR;
    LanguageRules made{std::unique_ptr<icu::PluralRules>(
                           icu::PluralRules::forLocale(locale, UPLURAL_TYPE_CARDINAL, status)),
                       icu::number::NumberFormatter::withLocale(locale)};
    if (U_FAILURE(status))
        made.rules.reset();
    return made;
}

const LanguageRules* rulesFor(Language language) {
    static const auto all = [] {
        std::array<LanguageRules, static_cast<std::size_t>(Language::Count)> made;
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = rulesOf(static_cast<Language>(i));
        return made;
    }();
    const auto index = static_cast<std::size_t>(language);
    return index < all.size() && all[index].rules ? &all[index] : nullptr;
}

} // namespace

PluralCategory pluralCategory(Language language, long long count) {
    const LanguageRules* found = rulesFor(language);
    if (!found)
        return PluralCategory::Other;
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber number = found->formatter.formatInt(count, status);
    const icu::UnicodeString keyword = found->rules->select(number, status);
    std::string name;
    keyword.toUTF8String(name);
    return U_SUCCESS(status) ? pluralCategoryNamed(name).value_or(PluralCategory::Other)
                             : PluralCategory::Other;
}

} // namespace ratio
