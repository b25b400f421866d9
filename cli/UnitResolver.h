#pragma once

#include "units/UnitCatalogue.h"

#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace ratio {

// Where a unit sits in the catalogue.
struct UnitPosition {
    std::size_t category = 0;
    std::size_t unit = 0;
    const UnitDefinition& definition(const UnitCatalogue& catalogue) const {
        return catalogue[category].unitDefinitions[unit];
    }
};

// Finds units by the names a user types: a long name exactly as the catalogue
// holds it, or a short name that exactly one unit carries.
class UnitResolver {
  public:
    explicit UnitResolver(const UnitCatalogue& catalogue);

    struct Pair {
        UnitPosition from;
        UnitPosition to;
    };
    // The pair, or the message that names the problem.
    std::variant<Pair, std::string> resolvePair(const std::string& from,
                                                const std::string& to) const;

  private:
    std::vector<UnitPosition> candidates(const std::string& name) const;

    std::unordered_map<std::string, std::vector<UnitPosition>> byLongName;
    std::unordered_map<std::string, std::vector<UnitPosition>> byShortName;
};

} // namespace ratio
