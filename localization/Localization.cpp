#include "localization/Localization.h"

#include "localization/tables/ArabicStrings.h"
#include "localization/tables/CatalanStrings.h"
#include "localization/tables/ChineseSimplifiedStrings.h"
#include "localization/tables/ChineseTraditionalStrings.h"
#include "localization/tables/CroatianStrings.h"
#include "localization/tables/CzechStrings.h"
#include "localization/tables/DanishStrings.h"
#include "localization/tables/DutchStrings.h"
#include "localization/tables/EnglishUSAStrings.h"
#include "localization/tables/FinnishStrings.h"
#include "localization/tables/FrenchStrings.h"
#include "localization/tables/GermanStrings.h"
#include "localization/tables/GreekStrings.h"
#include "localization/tables/HebrewStrings.h"
#include "localization/tables/HindiStrings.h"
#include "localization/tables/HungarianStrings.h"
#include "localization/tables/IndonesianStrings.h"
#include "localization/tables/ItalianStrings.h"
#include "localization/tables/JapaneseStrings.h"
#include "localization/tables/KoreanStrings.h"
#include "localization/tables/MalayStrings.h"
#include "localization/tables/NorwegianStrings.h"
#include "localization/tables/PolishStrings.h"
#include "localization/tables/PortugueseBrazilStrings.h"
#include "localization/tables/PortuguesePortugalStrings.h"
#include "localization/tables/RomanianStrings.h"
#include "localization/tables/RussianStrings.h"
#include "localization/tables/SlovacStrings.h"
#include "localization/tables/SpanishStrings.h"
#include "localization/tables/SwedishStrings.h"
#include "localization/tables/ThaiStrings.h"
#include "localization/tables/TurkishStrings.h"
#include "localization/tables/UkrainianStrings.h"
#include "localization/tables/VietnameseStrings.h"

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
    : language(chooseLanguage(preferredLanguages)), table(makeStrings(language)) {}

Language Localization::chooseLanguage(const std::vector<std::string>& preferredLanguages) {
    if (preferredLanguages.empty())
        return Language::EnglishBritish;
    const std::string& first = preferredLanguages.front();
    for (const auto& [code, language] : languageCodes)
        if (startsWithCode(first, code))
            return language;
    return Language::EnglishBritish;
}

std::unique_ptr<LocalizedStrings> Localization::makeStrings(Language language) {
    switch (language) {
    case Language::German:
        return std::make_unique<GermanStrings>();
    case Language::EnglishUSA:
        return std::make_unique<EnglishUSAStrings>();
    case Language::EnglishBritish:
        return std::make_unique<EnglishBritishStrings>();
    case Language::French:
        return std::make_unique<FrenchStrings>();
    case Language::Spanish:
        return std::make_unique<SpanishStrings>();
    case Language::PortugueseBrazil:
        return std::make_unique<PortugueseBrazilStrings>();
    case Language::PortuguesePortugal:
        return std::make_unique<PortuguesePortugalStrings>();
    case Language::Italian:
        return std::make_unique<ItalianStrings>();
    case Language::Catalan:
        return std::make_unique<CatalanStrings>();
    case Language::Polish:
        return std::make_unique<PolishStrings>();
    case Language::Danish:
        return std::make_unique<DanishStrings>();
    case Language::Dutch:
        return std::make_unique<DutchStrings>();
    case Language::Swedish:
        return std::make_unique<SwedishStrings>();
    case Language::Finnish:
        return std::make_unique<FinnishStrings>();
    case Language::Norwegian:
        return std::make_unique<NorwegianStrings>();
    case Language::Romanian:
        return std::make_unique<RomanianStrings>();
    case Language::Slovac:
        return std::make_unique<SlovacStrings>();
    case Language::Czech:
        return std::make_unique<CzechStrings>();
    case Language::Turkish:
        return std::make_unique<TurkishStrings>();
    case Language::Indonesian:
        return std::make_unique<IndonesianStrings>();
    case Language::Croatian:
        return std::make_unique<CroatianStrings>();
    case Language::Hungarian:
        return std::make_unique<HungarianStrings>();
    case Language::Malay:
        return std::make_unique<MalayStrings>();
    case Language::Vietnamese:
        return std::make_unique<VietnameseStrings>();
    case Language::Greek:
        return std::make_unique<GreekStrings>();
    case Language::Russian:
        return std::make_unique<RussianStrings>();
    case Language::Ukrainian:
        return std::make_unique<UkrainianStrings>();
    case Language::Japanese:
        return std::make_unique<JapaneseStrings>();
    case Language::ChineseTraditional:
        return std::make_unique<ChineseTraditionalStrings>();
    case Language::ChineseSimplified:
        return std::make_unique<ChineseSimplifiedStrings>();
    case Language::Hindi:
        return std::make_unique<HindiStrings>();
    case Language::Korean:
        return std::make_unique<KoreanStrings>();
    case Language::Thai:
        return std::make_unique<ThaiStrings>();
    case Language::Arabic:
        return std::make_unique<ArabicStrings>();
    case Language::Hebrew:
        return std::make_unique<HebrewStrings>();
    case Language::Count:
        break;
    }
    return std::make_unique<EnglishBritishStrings>();
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
