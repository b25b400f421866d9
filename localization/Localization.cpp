#include "localization/Localization.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ratio {

namespace {

// Longer codes stand before the shorter codes they begin with.
const std::array<std::pair<std::string_view, Language>, 35> languageCodes{{
    {"de", Language::German},
    {"en-US", Language::EnglishUSA},
    {"en", Language::EnglishBritish},
    {"fr", Language::French},
    {"es", Language::Spanish},
    {"pt-PT", Language::PortuguesePortugal},
    {"pt", Language::PortugueseBrazil},
    {"it", Language::Italian},
    {"ca", Language::Catalan},
    {"pl", Language::Polish},
    {"da", Language::Danish},
    {"nl", Language::Dutch},
    {"sv", Language::Swedish},
    {"fi", Language::Finnish},
    {"nb", Language::Norwegian},
    {"ro", Language::Romanian},
    {"sk", Language::Slovac},
    {"cs", Language::Czech},
    {"tr", Language::Turkish},
    {"id", Language::Indonesian},
    {"hr", Language::Croatian},
    {"hu", Language::Hungarian},
    {"ms", Language::Malay},
    {"vi", Language::Vietnamese},
    {"el", Language::Greek},
    {"ru", Language::Russian},
    {"uk", Language::Ukrainian},
    {"ja", Language::Japanese},
    {"zh-Hant", Language::ChineseTraditional},
    {"zh", Language::ChineseSimplified},
    {"hi", Language::Hindi},
    {"ko", Language::Korean},
    {"th", Language::Thai},
    {"ar", Language::Arabic},
    {"he", Language::Hebrew},
}};

// Macau's Chinese follows Hong Kong's words, as in CLDR. Each code begins with
// its base language's code, so the language chosen is always the base.
const std::array<std::pair<std::string_view, Localization::Variant>, 2> variantCodes{{
    {"zh-Hant-HK", Localization::Variant::ChineseHongKong},
    {"zh-Hant-MO", Localization::Variant::ChineseHongKong},
}};

bool startsWithCode(std::string_view entry, std::string_view code) {
    return entry.substr(0, code.size()) == code;
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::function<std::vector<std::string>()> Localization::preferredLanguagesSource;

std::optional<Language> Localization::languageFromRawValue(int raw) {
    if (raw < 0 || raw >= static_cast<int>(Language::Count))
        return std::nullopt;
    return static_cast<Language>(raw);
}

Localization::Localization(const std::vector<std::string>& preferredLanguages)
    : language(chooseLanguage(preferredLanguages)), variant(chooseVariant(preferredLanguages)),
      table(makeStrings(language, variant)) {}

Language Localization::chooseLanguage(const std::vector<std::string>& preferredLanguages) {
    if (preferredLanguages.empty())
        return Language::EnglishBritish;
    const std::string& first = preferredLanguages.front();
    for (const auto& [code, language] : languageCodes)
        if (startsWithCode(first, code))
            return language;
    return Language::EnglishBritish;
}

Localization::Variant
Localization::chooseVariant(const std::vector<std::string>& preferredLanguages) {
    if (!preferredLanguages.empty())
        for (const auto& [code, variant] : variantCodes)
            if (startsWithCode(preferredLanguages.front(), code))
                return variant;
    return Variant::None;
}

Localization& Localization::shared() {
    static Localization* instance = new Localization(
        preferredLanguagesSource ? preferredLanguagesSource() : std::vector<std::string>{});
    return *instance;
}

const EnglishBritishStrings& Localization::sharedBritishStrings() {
    static const EnglishBritishStrings* instance = new EnglishBritishStrings();
    return *instance;
}

std::string appendEnglishName(std::string_view name, std::string_view englishName) {
    auto found = std::search(name.begin(), name.end(), englishName.begin(), englishName.end(),
                             [](char a, char b) { return asciiLower(a) == asciiLower(b); });
    if (found != name.end() || englishName.empty())
        return std::string(name);
    std::string joined(name);
    joined.append(" / ").append(englishName);
    return joined;
}

} // namespace ratio
