#pragma once

#include "cli/CliOptions.h"
#include "localization/Localization.h"
#include "platform/LocaleFacts.h"
#include "units/UnitCatalogue.h"

#include <QLocale>

#include <iosfwd>

namespace ratio {

// Everything a command needs once the options are understood. The British
// and US catalogues hold the same units in the same places under their
// English names, so those names work under every language; under British or
// US English the matching one is the catalogue itself and is not built twice.
struct CliContext {
    const CliOptions& options;
    QLocale locale;
    LocaleFacts facts;
    const Localization& localization;
    UnitCatalogue catalogue;
    UnitCatalogue britishCatalogue; // empty when the language is British English
    UnitCatalogue usCatalogue;      // empty when the language is US English
    std::ostream& output;
    std::ostream& errors;
    bool interactiveInput = false;

    bool britishIsActive() const { return localization.language == Language::EnglishBritish; }
    const UnitCatalogue& british() const {
        return britishIsActive() ? catalogue : britishCatalogue;
    }
    const UnitCatalogue& us() const {
        return localization.language == Language::EnglishUSA ? catalogue : usCatalogue;
    }
};

} // namespace ratio
