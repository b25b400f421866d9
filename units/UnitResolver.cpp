#include "units/UnitResolver.h"

#include "localization/TextFolding.h"
#include "units/EnglishPlural.h"
#include "units/EverydayNames.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace ratio {

namespace {

// The long name without a trailing bracketed part: "Mile (mile, mi)" gives
// "Mile" and "mile, mi"; "Metric horsepower (hp(M))" gives "hp(M)".
struct SplitLongName {
    std::string_view name;
    std::string_view symbols;
};

SplitLongName splitLongName(std::string_view longName) {
    const std::size_t open = longName.find(" (");
    if (open == std::string_view::npos || longName.back() != ')')
        return {longName, {}};
    return {longName.substr(0, open), longName.substr(open + 2, longName.size() - open - 3)};
}

std::vector<std::string_view> splitOn(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(separator, at);
        std::string_view part = text.substr(at, next - at);
        while (!part.empty() && part.front() == ' ')
            part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ')
            part.remove_suffix(1);
        if (!part.empty())
            parts.push_back(part);
        if (next == std::string_view::npos)
            return parts;
        at = next + separator.size();
    }
}

void appendUnique(std::vector<UnitPosition>& positions, UnitPosition position) {
    if (std::find(positions.begin(), positions.end(), position) == positions.end())
        positions.push_back(position);
}

std::vector<UnitResolver::Pair> sameCategory(const std::vector<UnitPosition>& from,
                                             const std::vector<UnitPosition>& to) {
    std::vector<UnitResolver::Pair> pairs;
    for (const UnitPosition& a : from)
        for (const UnitPosition& b : to)
            if (a.category == b.category)
                pairs.push_back({a, b});
    return pairs;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

constexpr std::size_t maximumSuggestions = 3;
// Longer names are no typo of a unit name; comparing them would only cost time.
constexpr std::size_t maximumSuggestedLength = 64;
// Shorter texts are found inside too many names to say anything.
constexpr std::size_t minimumContainedLength = 3;

} // namespace

std::vector<std::string> UnitResolver::plainSpellings(std::string_view symbol) {
    // Each hard-to-type character and what people type instead.
    static const std::array<std::pair<std::string_view, std::vector<std::string_view>>, 5> plain{{
        {"²", {"2", "^2"}},
        {"³", {"3", "^3"}},
        {"°", {"deg"}},
        {"μ", {"u"}}, // Greek mu
        {"µ", {"u"}}, // micro sign
    }};
    std::vector<std::string> spellings{std::string(symbol)};
    for (const auto& [character, replacements] : plain) {
        std::vector<std::string> next;
        for (const std::string& spelling : spellings) {
            if (spelling.find(character) == std::string::npos) {
                next.push_back(spelling);
                continue;
            }
            for (std::string_view replacement : replacements) {
                std::string replaced = spelling;
                for (auto at = replaced.find(character); at != std::string::npos;
                     at = replaced.find(character, at + replacement.size()))
                    replaced.replace(at, character.size(), replacement);
                next.push_back(std::move(replaced));
            }
        }
        spellings = std::move(next);
    }
    if (spellings.size() == 1 && spellings.front() == symbol)
        return {}; // nothing hard to type in it
    return spellings;
}

UnitResolver::UnitResolver(const UnitCatalogue& catalogue,
                           std::vector<const UnitCatalogue*> english, std::vector<Alias> aliases,
                           std::function<UnitCatalogue()> absentUnits, std::string absentHint)
    : catalogue(catalogue), english(std::move(english)), aliases(std::move(aliases)),
      absentUnits(std::move(absentUnits)), absentHint(std::move(absentHint)) {}

// Each unit under its active name (unless that is English anyway) and under
// each English name set that holds the same units in the same places.
template <class Visit> void UnitResolver::forEachUnit(Visit visit) const {
    const bool activeIsEnglish =
        std::find(english.begin(), english.end(), &catalogue) != english.end();
    for (std::size_t c = 0; c < catalogue.size(); ++c) {
        const auto& units = catalogue[c].unitDefinitions;
        for (std::size_t u = 0; u < units.size(); ++u) {
            if (!activeIsEnglish)
                visit(units[u], UnitPosition{c, u}, false);
            for (const UnitCatalogue* names : english)
                if (names->size() == catalogue.size() &&
                    (*names)[c].unitDefinitions.size() == units.size())
                    visit((*names)[c].unitDefinitions[u], UnitPosition{c, u}, true);
        }
    }
}

// The names a typo is compared with: every name but the plurals, which would
// only repeat their singular. Built on the first unknown name.
const UnitResolver::Suggestions& UnitResolver::suggestions() const {
    if (!suggestionIndex) {
        suggestionIndex.emplace();
        forEachUnit([this](const UnitDefinition& unit, UnitPosition position, bool) {
            NameForms forms = nameForms(unit);
            forms.others.push_back(forms.longName);
            for (const std::string& name : forms.others)
                suggestionIndex->emplace(foldCase(name), Suggestion{name, position});
        });
    }
    return *suggestionIndex;
}

bool UnitResolver::isAbsent(const std::string& folded) const {
    if (!absent) {
        absent.emplace();
        if (absentUnits)
            for (const Category& category : absentUnits())
                for (const UnitDefinition& unit : category.unitDefinitions) {
                    NameForms forms = nameForms(unit);
                    forms.others.push_back(forms.longName);
                    forms.others.push_back(forms.shortName);
                    for (const std::string& name : forms.others)
                        absent->insert(foldCase(name));
                }
    }
    return absent->contains(folded);
}

UnitResolver::NameForms UnitResolver::nameForms(const UnitDefinition& unit) {
    NameForms forms{withPlainSpaces(unit.longName), withPlainSpaces(unit.shortName), {}};
    const SplitLongName split = splitLongName(forms.longName);
    forms.others.emplace_back(split.name);
    for (std::string_view part : splitOn(split.name, " / "))
        forms.others.emplace_back(part);
    std::vector<std::string_view> symbols = splitOn(split.symbols, ",");
    symbols.push_back(forms.shortName);
    for (std::string_view symbol : symbols) {
        forms.others.emplace_back(symbol);
        if (symbol.size() > 1 && symbol.back() == '.') // "oz." is typed "oz"
            forms.others.emplace_back(symbol.substr(0, symbol.size() - 1));
        for (std::string& spelling : plainSpellings(symbol))
            forms.others.push_back(std::move(spelling));
    }
    return forms;
}

// Every name of a unit but its short name: the other forms, the long name
// and, for English names, the plurals.
std::vector<std::string> UnitResolver::otherNames(const UnitDefinition& unit, bool english) {
    NameForms forms = nameForms(unit);
    forms.others.push_back(forms.longName);
    if (english) { // the bracket-less name and its " / " parts, counted
        const SplitLongName split = splitLongName(forms.longName);
        std::vector<std::string_view> counted = splitOn(split.name, " / ");
        if (counted.size() > 1)
            counted.push_back(split.name);
        for (std::string_view name : counted)
            if (std::string plural = englishPlural(name); !plural.empty())
                forms.others.push_back(std::move(plural));
    }
    return std::move(forms.others);
}

// A tier is built when a name first reaches it: most names are found
// before the folded tier, so most runs never fold the whole catalogue.
const UnitResolver::Index& UnitResolver::tier(Tier which) const {
    if (tiers[which])
        return *tiers[which];
    Index& index = tiers[which].emplace();
    const auto add = [&index](const std::string& name, UnitPosition position) {
        if (!name.empty())
            appendUnique(index[name], position);
    };
    const bool folded = which == FoldedName;
    forEachUnit([&](const UnitDefinition& unit, UnitPosition position, bool isEnglish) {
        if (which == LongName || which == ShortName) {
            add(withPlainSpaces(which == LongName ? unit.longName : unit.shortName), position);
            return;
        }
        const std::string longName = withPlainSpaces(unit.longName);
        for (const std::string& name : otherNames(unit, isEnglish))
            if (folded)
                add(foldCase(name), position);
            else if (name != longName)
                add(name, position);
    });
    if (which == OtherName || folded) {
        for (const auto& [name, position] : everydayNames())
            add(folded ? foldCase(name) : std::string(name), position);
        for (const Alias& alias : aliases)
            add(folded ? foldCase(alias.name) : alias.name, alias.position);
    }
    return index;
}

// The everyday names of the units the British names identify.
std::vector<std::pair<std::string_view, UnitPosition>> UnitResolver::everydayNames() const {
    std::vector<std::pair<std::string_view, UnitPosition>> names;
    if (english.empty() || english.front()->size() != catalogue.size())
        return names;
    const UnitCatalogue& british = *english.front();
    std::unordered_map<std::string, UnitPosition> byLongName;
    for (std::size_t c = 0; c < british.size(); ++c)
        for (std::size_t u = 0; u < british[c].unitDefinitions.size(); ++u)
            byLongName.emplace(withPlainSpaces(british[c].unitDefinitions[u].longName),
                               UnitPosition{c, u});
    for (const EverydayNames::Entry& entry : EverydayNames::table())
        for (std::string_view longName : entry.units)
            if (auto unit = byLongName.find(std::string(longName)); unit != byLongName.end())
                for (std::string_view name : entry.names)
                    names.emplace_back(name, unit->second);
    return names;
}

std::vector<UnitPosition> UnitResolver::candidates(std::string_view name, bool widest) const {
    const std::string plain = withPlainSpaces(name);
    std::vector<UnitPosition> found;
    for (int tier = LongName; tier < TierCount; ++tier) {
        const std::string key = tier == FoldedName ? foldCase(plain) : plain;
        const Index& index = this->tier(static_cast<Tier>(tier));
        if (auto hit = index.find(key); hit != index.end()) {
            for (const UnitPosition& position : hit->second)
                appendUnique(found, position);
            if (!widest)
                return found;
        }
    }
    return found;
}

std::variant<UnitResolver::Pair, std::string> UnitResolver::resolvePair(std::string_view from,
                                                                        std::string_view to) const {
    if (auto refused = overlongName(from, to))
        return *refused;
    const auto fromFound = candidates(from, false);
    if (fromFound.empty())
        return unknownUnit(from);
    const auto toFound = candidates(to, false);
    if (toFound.empty())
        return unknownUnit(to);
    auto pairs = sameCategory(fromFound, toFound);
    if (pairs.empty()) // "L" is the leu before it is the litre, unless the other unit is a volume
        pairs = sameCategory(candidates(from, true), candidates(to, true));
    if (pairs.size() == 1)
        return pairs.front();
    if (pairs.empty())
        return "units of two categories: '" + std::string(from) + "' (" + describe(fromFound[0]) +
               ") and '" + std::string(to) + "' (" + describe(toFound[0]) + ")";
    std::vector<UnitPosition> fromInPairs, toInPairs;
    for (const Pair& pair : pairs) {
        appendUnique(fromInPairs, pair.from);
        appendUnique(toInPairs, pair.to);
    }
    return fromInPairs.size() > 1 ? ambiguousUnit(from, fromInPairs) : ambiguousUnit(to, toInPairs);
}

std::optional<UnitPosition> UnitResolver::resolveIn(std::string_view name,
                                                    std::size_t category) const {
    if (name.size() > longestName)
        return std::nullopt;
    for (const bool widest : {false, true}) {
        std::vector<UnitPosition> found;
        for (const UnitPosition& position : candidates(name, widest))
            if (position.category == category)
                found.push_back(position);
        if (!found.empty())
            return found.size() == 1 ? std::optional(found.front()) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> UnitResolver::overlongName(std::string_view from, std::string_view to) {
    for (const std::string_view name : {from, to})
        if (name.size() > longestName)
            return "unknown unit: a name of " + std::to_string(name.size()) +
                   " bytes is longer than any unit name";
    return std::nullopt;
}

std::string UnitResolver::describe(UnitPosition position) const {
    return position.definition(catalogue).longName + " in " +
           catalogue[position.category].nameSingle;
}

std::string UnitResolver::ambiguousUnit(std::string_view name,
                                        const std::vector<UnitPosition>& found) const {
    std::string message = "ambiguous unit '" + std::string(name) + "', it names:";
    for (const UnitPosition& position : found)
        message += (&position == &found.front() ? " " : "; ") + describe(position);
    return message;
}

std::string UnitResolver::unknownUnit(std::string_view name) const {
    const std::string folded = foldCase(withPlainSpaces(name));
    if (isAbsent(folded))
        return "no currency rates are known for '" + std::string(name) + "'; " + absentHint;
    // Names that contain the typed text come first, the shortest first
    // ("gallo" finds the gallons); then names a few edits away.
    struct Close {
        bool contains;
        std::size_t distance;
        const Suggestion* suggestion;
    };
    std::vector<Close> close;
    const std::size_t limit = std::max<std::size_t>(2, folded.size() / 3);
    const bool containable = folded.size() >= minimumContainedLength;
    for (const auto& [candidate, suggestion] : suggestions()) {
        if (folded.size() > maximumSuggestedLength)
            break;
        if (containable && candidate.find(folded) != std::string::npos) {
            close.push_back({true, candidate.size() - folded.size(), &suggestion});
            continue;
        }
        const std::size_t lengths =
            std::max(folded.size(), candidate.size()) - std::min(folded.size(), candidate.size());
        if (lengths > limit)
            continue; // the distance is at least the difference of the lengths
        if (const std::size_t distance = editDistance(folded, candidate); distance <= limit)
            close.push_back({false, distance, &suggestion});
    }
    const auto rank = [](const Close& c) {
        return std::tie(c.contains, c.distance, c.suggestion->written);
    };
    std::sort(close.begin(), close.end(), [&](const Close& a, const Close& b) {
        if (a.contains != b.contains)
            return a.contains;
        return rank(a) < rank(b);
    });
    std::string message = "unknown unit '" + std::string(name) + "'";
    std::vector<UnitPosition> named; // one name for each unit
    for (const Close& candidate : close) {
        if (named.size() == maximumSuggestions)
            break;
        if (std::find(named.begin(), named.end(), candidate.suggestion->position) != named.end())
            continue;
        message +=
            (named.empty() ? "; did you mean '" : ", '") + candidate.suggestion->written + "'";
        named.push_back(candidate.suggestion->position);
    }
    if (!close.empty())
        message += "?";
    return message;
}

} // namespace ratio
