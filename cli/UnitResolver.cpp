#include "cli/UnitResolver.h"

namespace ratio {

UnitResolver::UnitResolver(const UnitCatalogue& catalogue) {
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const auto& units = catalogue[c].unitDefinitions;
        for (std::size_t u = 0; u < units.size(); ++u) {
            byLongName[units[u].longName].push_back({c, u});
            byShortName[units[u].shortName].push_back({c, u});
        }
    }
}

std::vector<UnitPosition> UnitResolver::candidates(const std::string& name) const {
    if (auto found = byLongName.find(name); found != byLongName.end())
        return found->second;
    if (auto found = byShortName.find(name); found != byShortName.end())
        return found->second;
    return {};
}

std::variant<UnitResolver::Pair, std::string>
UnitResolver::resolvePair(const std::string& from, const std::string& to) const {
    const auto fromCandidates = candidates(from);
    const auto toCandidates = candidates(to);
    for (const auto& [name, found] : {std::pair{&from, &fromCandidates}, {&to, &toCandidates}}) {
        if (found->empty())
            return "unknown unit '" + *name + "'";
        if (found->size() > 1 && !byLongName.contains(*name))
            return "ambiguous unit '" + *name + "': several units carry that short name";
    }
    // A long name that two categories share is settled by the other unit's category.
    std::vector<Pair> pairs;
    for (const UnitPosition& a : fromCandidates)
        for (const UnitPosition& b : toCandidates)
            if (a.category == b.category)
                pairs.push_back({a, b});
    if (pairs.empty())
        return "units of two categories: '" + from + "' and '" + to + "'";
    if (pairs.size() > 1)
        return "ambiguous units '" + from + "' and '" + to + "'";
    return pairs.front();
}

} // namespace ratio
