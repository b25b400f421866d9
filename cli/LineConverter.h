#pragma once

#include "cli/UnitResolver.h"
#include "engine/BaseCalculator.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace ratio {

// Converts as the converter row shows it: 8 places, grouped, with the unit.
// Pairs of names already resolved are remembered, so a batch that repeats
// its units looks each pair up once.
class LineConverter {
  public:
    LineConverter(const UnitCatalogue& catalogue, const UnitResolver& resolver,
                  std::string_view decimalSeparator, std::string_view groupingSeparator);

    // Appends the converted text to `out` and returns true, or sets `problem`.
    bool convertLine(std::string_view value, std::string_view from, std::string_view to,
                     std::string& out, std::string& problem);

  private:
    const UnitResolver::Pair* resolve(std::string_view from, std::string_view to,
                                      std::string& problem);

    const UnitCatalogue& catalogue;
    const UnitResolver& resolver;
    const BaseCalculator text;
    std::unordered_map<std::string, UnitResolver::Pair> resolved; // "from\tto"
    std::string key;
};

} // namespace ratio
