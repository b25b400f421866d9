// What the build generates from the translation files (localization/po/, one
// gettext PO file per language) besides the table classes that
// Localization::makeStrings makes and LocalizedStrings::textFields.
#pragma once

#include "localization/Localization.h"
#include "localization/PluralCategory.h"

#include <string_view>
#include <vector>

namespace ratio {

// A language file's header: its locale, whose plural rules ICU gives, the
// gettext Plural-Forms expression as a function (count to msgstr index) and
// the CLDR category each msgstr index stands for.
struct TranslationFile {
    std::string_view locale;
    std::vector<PluralCategory> categories;
    unsigned long (*pluralIndex)(unsigned long n);
};

const TranslationFile& translationFile(Language language);

} // namespace ratio
