#include "units/AddedUnits.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace ratio {

namespace {

std::vector<std::string> keptNames(const KeyValueStore& store) {
    std::vector<std::string> names;
    const std::string text = AddedUnits::stored.storedValue(store).value_or("");
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        if (end > at)
            names.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

const std::string* britishName(const UnitNameIndex& names, UnitPosition position) {
    const CatalogueNames& british = names.britishNames();
    if (position.category >= british.size() || position.unit >= british[position.category].size())
        return nullptr;
    const std::string& name = british[position.category][position.unit];
    return name.empty() ? nullptr : &name;
}

} // namespace

void AddedUnits::add(UnitCatalogue& catalogue, UnitPosition position, const UnitNameIndex& names,
                     KeyValueStore& store) {
    if (position.category >= catalogue.size() ||
        position.unit >= catalogue[position.category].unitDefinitions.size())
        return;
    catalogue[position.category].unitDefinitions[position.unit].added = true;
    const std::string* name = britishName(names, position);
    std::vector<std::string> kept = keptNames(store);
    if (!name || std::find(kept.begin(), kept.end(), *name) != kept.end())
        return;
    std::string text;
    for (const std::string& keptName : kept)
        text += keptName + '\n';
    store.setText(stored.str, text + *name);
}

void AddedUnits::restore(UnitCatalogue& catalogue, const UnitNameIndex& names,
                         const KeyValueStore& store) {
    const std::vector<std::string> list = keptNames(store);
    const std::set<std::string> kept(list.begin(), list.end());
    for (std::size_t c = 0; c < catalogue.size(); ++c)
        for (std::size_t u = 0; u < catalogue[c].unitDefinitions.size(); ++u)
            if (const std::string* name = britishName(names, {c, u}); name && kept.contains(*name))
                catalogue[c].unitDefinitions[u].added = true;
}

} // namespace ratio
