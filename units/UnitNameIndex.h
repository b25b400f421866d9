#pragma once

#include "localization/Localization.h"
#include "localization/LocalizedStrings.h"
#include "units/UnitCatalogue.h"

#include <string>
#include <vector>

namespace ratio {

// Long names by category and position in the category.
using CatalogueNames = std::vector<std::vector<std::string>>;

// The long names of a catalogue's units in its own language and in British
// English, position for position. Long names are texts of the active
// language, so only the British ones find a unit again after a change of
// language. Currencies are named by the currency table, whether or not the
// rates have brought them yet.
class UnitNameIndex {
  public:
    UnitNameIndex(const UnitCatalogue& catalogue, const LocalizedStrings& strings,
                  Language language, const LocalizedStrings& british);

    // The index of the process-wide catalogue in the shared language.
    static UnitNameIndex ofSharedCatalogue();

    // The catalogue's long names, and their British twins (empty where a unit
    // has none, such as one added beyond the built-in tables).
    const CatalogueNames& activeNames() const { return active; }
    const CatalogueNames& britishNames() const { return british; }

    // As the two above, with the currency category holding every currency of
    // the table: what the catalogue names once the rates have arrived.
    const CatalogueNames& activeNamesWithAllCurrencies() const { return activeComplete; }
    const CatalogueNames& britishNamesWithAllCurrencies() const { return britishComplete; }

  private:
    CatalogueNames active, british, activeComplete, britishComplete;
};

// The long names of `catalogue`.
CatalogueNames longNames(const UnitCatalogue& catalogue);

} // namespace ratio
