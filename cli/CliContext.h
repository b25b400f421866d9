#pragma once

#include "cli/CliOptions.h"
#include "localization/Localization.h"
#include "platform/LocaleFacts.h"
#include "units/UnitCatalogue.h"

#include <QLocale>

#include <iosfwd>

namespace ratio {

// Everything a command needs once the options are understood. The British
// catalogue holds the same units in the same places under their British
// names, so those names work under every language.
struct CliContext {
    const CliOptions& options;
    QLocale locale;
    LocaleFacts facts;
    const Localization& localization;
    UnitCatalogue catalogue;
    UnitCatalogue britishCatalogue;
    std::ostream& output;
    std::ostream& errors;
    bool interactiveInput = false;
};

} // namespace ratio
