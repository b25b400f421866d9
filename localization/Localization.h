// The language of this run and its table of texts.
//
// The platform's list of preferred languages goes in; the first entry picks
// the language by prefix, and that language's table class is created, or a
// region's variant of it (Hong Kong's words over Taiwan's). The catalogue and
// the screens read every text from `strings`; whatever is keyed by `language`
// (plural rules, settings, the units shown first) is the same for a variant.
#pragma once

#include "localization/EnglishBritishStrings.h"
#include "localization/LocalizedStrings.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratio {

class Localization {
  public:
    enum class Language : int {
        German,
        EnglishUSA,
        EnglishBritish,
        French,
        Spanish,
        PortugueseBrazil,
        PortuguesePortugal,
        Italian,
        Catalan,
        Polish,
        Danish,
        Dutch,
        Swedish,
        Finnish,
        Norwegian,
        Romanian,
        Slovac,
        Czech,
        Turkish,
        Indonesian,
        Croatian,
        Hungarian,
        Malay,
        Vietnamese,
        Greek,
        Russian,
        Ukrainian,
        Japanese,
        ChineseTraditional,
        ChineseSimplified,
        Hindi,
        Korean,
        Thai,
        Arabic,
        Hebrew,
        Count
    };

    // A region's table over its language's table, for the texts whose words
    // differ there.
    enum class Variant : int { None, ChineseHongKong };

    // The case with that raw value; none for values outside 0 to 34 (Count is no language).
    static std::optional<Language> languageFromRawValue(int raw);

    // Chooses from the first preferred language; British English for an empty list.
    explicit Localization(const std::vector<std::string>& preferredLanguages);

    const Language language;
    const Variant variant;
    const LocalizedStrings& strings() const { return *table; }

    static Language chooseLanguage(const std::vector<std::string>& preferredLanguages);
    static Variant chooseVariant(const std::vector<std::string>& preferredLanguages);
    // A new table of the language, or of the variant unless that is None
    // (generated from their translation files).
    static std::unique_ptr<LocalizedStrings> makeStrings(Language language,
                                                         Variant variant = Variant::None);

    // The process-wide choice, made on first use from the list that
    // `preferredLanguagesSource` gives (the front ends install the platform's).
    static Localization& shared();
    static std::function<std::vector<std::string>()> preferredLanguagesSource;

    // The process-wide British English table, whatever the chosen language.
    static const EnglishBritishStrings& sharedBritishStrings();

  private:
    std::unique_ptr<LocalizedStrings> table;
};

using Language = Localization::Language;

// "name / englishName", or the name alone when it already contains the
// English name (compared without regard to ASCII letter case).
std::string appendEnglishName(std::string_view name, std::string_view englishName);

} // namespace ratio
