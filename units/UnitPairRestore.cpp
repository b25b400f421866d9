#include "units/UnitPairRestore.h"

namespace ratio {

namespace {

// The last unit of `category` named `name`.
std::optional<std::size_t> lastMatch(const Category& category, const std::string& name) {
    std::optional<std::size_t> found;
    for (std::size_t u = 0; u < category.unitDefinitions.size(); ++u)
        if (category.unitDefinitions[u].longName == name)
            found = u;
    return found;
}

} // namespace

std::optional<UnitPair> findStoredPair(const UnitCatalogue& catalogue, const std::string& name0,
                                       const std::string& name1) {
    if (name0.empty() || name1.empty() || name0 == name1)
        return std::nullopt;
    std::optional<UnitPair> pair;
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const auto unit0 = lastMatch(catalogue[c], name0);
        const auto unit1 = lastMatch(catalogue[c], name1);
        if (unit0 && unit1)
            pair = UnitPair{{c, *unit0}, {c, *unit1}};
    }
    return pair;
}

std::optional<UnitPair> defaultPair(const UnitCatalogue& catalogue) {
    if (catalogue.size() < 2 || catalogue[1].unitDefinitions.size() < 2)
        return std::nullopt;
    return UnitPair{{1, 0}, {1, 1}};
}

} // namespace ratio
