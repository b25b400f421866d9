#pragma once

#include "cli/FailedPairs.h"
#include "cli/ResultText.h"
#include "units/UnitResolver.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ratio {

// Converts and writes the result in the chosen format, by default as the
// converter row shows it: 8 places, grouped, with the unit.
// Pairs of names already resolved, or refused, are remembered, so a batch
// that repeats its units, good or bad, looks each pair up once; a name longer
// than any unit's is refused unremembered. Every chain step adds, subtracts,
// multiplies or divides by a constant, so a pair's two chains together are
// x * scale + offset exactly; that is worked out once per pair through the
// chains themselves, and each line then costs a few integer products.
class LineConverter {
  public:
    LineConverter(const UnitCatalogue& catalogue, const UnitResolver& resolver,
                  std::string_view decimalSeparator, std::string_view groupingSeparator,
                  const ResultFormat& format = {});

    // Appends the converted text to `out` and returns true, or sets `problem`.
    bool convertLine(std::string_view value, std::string_view from, std::string_view to,
                     std::string& out, std::string& problem);

  private:
    struct Resolved {
        UnitResolver::Pair pair;
        std::optional<LinearMap> map; // none: a chain divides by zero
    };
    const Resolved* resolve(std::string_view from, std::string_view to, std::string& problem);

    const UnitCatalogue& catalogue;
    const UnitResolver& resolver;
    const ResultText text;
    const bool withUnit;
    const std::string decimalSeparator, groupingSeparator;
    std::unordered_map<std::string, Resolved> resolved; // "from\tto"
    FailedPairs failed;
    std::string key;
};

} // namespace ratio
