#include "app/UnitSearch.h"

namespace ratio {

namespace {

// Kept between folded names, so a typed text never matches across two of them.
constexpr char16_t separator = u'\n';

bool isDroppedMark(QChar c) {
    const bool mark = c.category() == QChar::Mark_NonSpacing ||
                      c.category() == QChar::Mark_SpacingCombining ||
                      c.category() == QChar::Mark_Enclosing;
    return mark && c.unicode() != 0x3099 && c.unicode() != 0x309A;
}

} // namespace

QString UnitSearch::fold(const QString& text) {
    QString decomposed = text.normalized(QString::NormalizationForm_KD);
    decomposed.removeIf(isDroppedMark);
    // The kana voicing marks go back onto their letters, as they are typed.
    return decomposed.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

UnitSearch::UnitSearch(const UnitCatalogue& catalogue, const CatalogueNames& british) {
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const auto& units = catalogue[c].unitDefinitions;
        for (std::size_t r = 0; r < units.size(); ++r) {
            QString names = fold(QString::fromStdString(units[r].longName)) + separator;
            if (c < british.size() && r < british[c].size() && !british[c][r].empty())
                names += fold(QString::fromStdString(british[c][r])) + separator;
            names += fold(QString::fromStdString(units[r].shortName)) + separator;
            entries.push_back({{c, r}, units[r].longName, std::move(names)});
        }
    }
}

std::vector<UnitSearch::Match> UnitSearch::find(const QString& text) const {
    const QString folded = fold(text.trimmed());
    std::vector<Match> found;
    if (folded.isEmpty())
        return found;
    for (const Entry& entry : entries)
        if (entry.names.contains(folded))
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
