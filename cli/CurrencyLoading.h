#pragma once

#include "cli/CliContext.h"
#include "units/UnitResolver.h"

#include <string>
#include <vector>

namespace ratio {

// Fills the currency category of both catalogues from --rates FILE or, without
// it, from the document the app keeps. A named file that cannot be used is a
// usage error; a kept one that cannot is reported and left out. Rates that
// were skipped are named on standard error.
struct CurrencyLoading {
    static void load(CliContext& context);

    // Each currency unit's ISO code, as another name for it.
    static std::vector<UnitResolver::Alias> codeAliases(const UnitCatalogue& catalogue);

    // Every currency the app knows, for the hint that rates are missing.
    static UnitCatalogue allCurrencies(const CliContext& context);

    static constexpr const char* missingRatesHint =
        "run 'ratio-cli update-rates' to download them, or give --rates FILE";
};

} // namespace ratio
