#include "app/UnitSearch.h"

#include "localization/TextFolding.h"

namespace ratio {

namespace {

// Kept between folded names, so a typed text never matches across two of them.
constexpr char separator = '\n';

} // namespace

std::string UnitSearch::fold(const QString& text) {
    return foldForSearch(text.toStdString());
}

UnitSearch::UnitSearch(const UnitCatalogue& catalogue, const CatalogueNames& british) {
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const auto& units = catalogue[c].unitDefinitions;
        for (std::size_t r = 0; r < units.size(); ++r) {
            std::string names = foldForSearch(units[r].longName) + separator;
            if (c < british.size() && r < british[c].size() && !british[c][r].empty())
                names += foldForSearch(british[c][r]) + separator;
            names += foldForSearch(units[r].shortName) + separator;
            entries.push_back({{c, r}, units[r].longName, std::move(names)});
        }
    }
}

std::vector<UnitSearch::Match> UnitSearch::find(const QString& text) const {
    const std::string folded = fold(text.trimmed());
    std::vector<Match> found;
    if (folded.empty())
        return found;
    for (const Entry& entry : entries)
        if (entry.names.find(folded) != std::string::npos)
            found.push_back(entry.unit);
    return found;
}

bool UnitSearch::describes(const UnitCatalogue& catalogue) const {
    std::size_t next = 0;
    for (std::size_t c = 0; c < catalogue.size(); ++c)
        for (std::size_t r = 0; r < catalogue[c].unitDefinitions.size(); ++r, ++next)
            if (next >= entries.size() || entries[next].unit != Match{c, r} ||
                entries[next].longName != catalogue[c].unitDefinitions[r].longName)
                return false;
    return next == entries.size();
}

} // namespace ratio
