#pragma once

#include "units/UnitCatalogue.h"
#include "units/UnitPosition.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

namespace ratio {

// Finds units by the names people type. A unit answers to its long name, the
// long name without its bracketed symbols (and each " / " part of it), every
// symbol in the brackets, its short name, those symbols without a final dot
// ("oz"), the plain spellings of those symbols (see plainSpellings), the
// English plurals of its English names ("feet") and the everyday names of
// EverydayNames ("lbs", "gallon"). Names are tried from the most exact kind
// down; case is ignored only when the exact spelling names nothing, so "mm"
// and "Mm" stay apart while "KM" still finds the kilometre.
class UnitResolver {
  public:
    // Another name for a unit, such as a currency's ISO code.
    struct Alias {
        std::string name;
        UnitPosition position;
    };

    // `english` holds the same units in the same places under English names,
    // British first and then others such as the US spellings, so scripts
    // keep working under any language; their plurals and the everyday names
    // answer too.
    // `absentUnits` gives units that exist only once rates are known; asking
    // for one of them gives `absentHint` instead of "unknown unit".
    // The catalogues must outlive the resolver. Each index is built when a
    // name first needs it: a run whose names are found exactly never folds
    // the catalogue, and only an unknown name builds the suggestions and the
    // absent units.
    explicit UnitResolver(const UnitCatalogue& catalogue,
                          std::vector<const UnitCatalogue*> english = {},
                          std::vector<Alias> aliases = {},
                          std::function<UnitCatalogue()> absentUnits = {},
                          std::string absentHint = {});

    struct Pair {
        UnitPosition from;
        UnitPosition to;
    };
    // The pair, or the message that names the problem.
    std::variant<Pair, std::string> resolvePair(std::string_view from, std::string_view to) const;

    // The unit of `category` that `name` names, read as resolvePair reads it
    // beside another unit of that category; none when it names none there
    // or several.
    std::optional<UnitPosition> resolveIn(std::string_view name, std::size_t category) const;

    // No name of a unit, in any language or spelling, comes near this many
    // bytes (the longest is under 100; a test checks every language). A
    // longer name is refused at once: never folded, compared for suggestions
    // or quoted whole in the message.
    static constexpr std::size_t longestName = 256;
    // The message refusing such a name of the pair; none when both may be units.
    static std::optional<std::string> overlongName(std::string_view from, std::string_view to);

    // "°C" gives "degC"; "m²" gives "m2" and "m^2"; "μs" gives "us".
    static std::vector<std::string> plainSpellings(std::string_view symbol);

  private:
    using Index = std::unordered_map<std::string, std::vector<UnitPosition>>;
    // From the most exact kind of name to the least.
    enum Tier { LongName, ShortName, OtherName, FoldedName, TierCount };

    struct NameForms {
        std::string longName, shortName;
        std::vector<std::string> others;
    };
    struct Suggestion {
        std::string written;
        UnitPosition position;
    };
    using Suggestions = std::unordered_map<std::string, Suggestion>; // by folded name
    static NameForms nameForms(const UnitDefinition& unit);
    template <class Visit> void forEachUnit(Visit visit) const;
    static std::vector<std::string> otherNames(const UnitDefinition& unit, bool english);
    const Index& tier(Tier which) const;
    std::vector<std::pair<std::string_view, UnitPosition>> everydayNames() const;
    const Suggestions& suggestions() const;
    bool isAbsent(const std::string& folded) const;
    std::vector<UnitPosition> candidates(std::string_view name, bool widest) const;
    std::string unknownUnit(std::string_view name) const;
    std::string ambiguousUnit(std::string_view name, const std::vector<UnitPosition>& found) const;
    std::string describe(UnitPosition position) const;

    const UnitCatalogue& catalogue;
    const std::vector<const UnitCatalogue*> english;
    const std::vector<Alias> aliases;
    std::function<UnitCatalogue()> absentUnits;
    mutable std::optional<Index> tiers[TierCount];
    mutable std::optional<Suggestions> suggestionIndex;
    mutable std::optional<std::unordered_set<std::string>> absent; // folded names
    std::string absentHint;
};

} // namespace ratio
