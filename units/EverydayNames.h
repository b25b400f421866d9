#pragma once

#include <span>
#include <string_view>

namespace ratio {

// Abbreviations and everyday words people type for units, each with the
// British long names of the units it may mean. A word that fits several
// units ("gallon") names them all, and the other unit of a conversion or the
// user settles it. Nothing here means a different unit elsewhere: "hp" is
// absent while only the metric horsepower exists, "C" and "F" would be
// coulomb and farad.
struct EverydayNames {
    struct Entry {
        std::span<const std::string_view> names;
        std::span<const std::string_view> units; // British long names
    };
    static std::span<const Entry> table();
};

} // namespace ratio
