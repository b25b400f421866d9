// Finds units by what a user types: any part of a unit's long name in the
// active language or in British English (its symbols in brackets included) or
// of its short name, ignoring case and accents.
//
// The names are folded once, when the search is built; each typed text then
// only scans the folded names, so a key costs microseconds in any language.
#pragma once

#include "units/UnitCatalogue.h"
#include "units/UnitNameIndex.h"

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

namespace ratio {

class UnitSearch {
  public:
    // A unit of the catalogue: its category and its position there.
    struct Match {
        std::size_t category;
        std::size_t row;
        friend bool operator==(const Match&, const Match&) = default;
    };

    // `british` gives the British long names position for position (an empty
    // name where a unit has none).
    UnitSearch(const UnitCatalogue& catalogue, const CatalogueNames& british);

    // The units one of whose names contains `text`, in catalogue order; none
    // for a text that folds to nothing.
    std::vector<Match> find(const QString& text) const;

    // True while `catalogue` holds the units this search was built from; a
    // rate document replaces the currencies and makes it stale.
    bool describes(const UnitCatalogue& catalogue) const;

    // `text` without case and accents (see foldForSearch), in UTF-8.
    static std::string fold(const QString& text);

  private:
    struct Entry {
        Match unit;
        std::string longName;
        std::string names; // the folded names, each followed by a separator
    };
    std::vector<Entry> entries;
};

} // namespace ratio
