#include "units/UnitCatalogueBuilder.h"

#include "units/CategoryTable.h"
#include "units/CurrencyRates.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace ratio {

namespace {

using Kind = UnitRow::Name::Kind;

// Every table is meant to have one; a table without falls back to British.
std::string firstHorsepowerSymbol(const LocalizedStrings& strings,
                                  const LocalizedStrings& british) {
    if (!strings.hp_M.empty())
        return strings.hp_M.front();
    if (!british.hp_M.empty())
        return british.hp_M.front();
    return {};
}

std::string nameText(const UnitRow::Name& name, const LocalizedStrings& strings,
                     const LocalizedStrings& british) {
    switch (name.kind) {
    case Kind::Quoted:
        return std::string(name.text);
    case Kind::Field:
        return strings.*name.field;
    case Kind::FieldWithEnglish:
        return appendEnglishName(strings.*name.field, british.*name.field);
    case Kind::FirstHorsepower:
        return firstHorsepowerSymbol(strings, british);
    }
    return {};
}

// The product of decimal texts joined by " × ".
std::optional<BDouble> product(std::string_view text) {
    static constexpr std::string_view times = " × ";
    std::size_t end = text.find(times);
    std::optional<BDouble> result = BDouble::fromText(text.substr(0, end));
    while (result && end != std::string_view::npos) {
        text.remove_prefix(end + times.size());
        end = text.find(times);
        const std::optional<BDouble> factor = BDouble::fromText(text.substr(0, end));
        if (!factor)
            return std::nullopt;
        *result *= *factor;
    }
    return result;
}

// A category's rows, and the factors of those that other rows have named so
// far, each worked out once.
struct TableFactors {
    explicit TableFactors(std::span<const UnitRow> rows) : rows(rows), known(rows.size()) {}
    std::span<const UnitRow> rows;
    std::vector<std::optional<BDouble>> known;
};

const BDouble* unitFactor(std::string_view shortName, TableFactors& table, std::size_t depth);

std::optional<BDouble> stepNumber(const UnitRow::Step& step, TableFactors& table,
                                  std::size_t depth) {
    std::optional<BDouble> number = product(step.number);
    if (number && !step.divisor.empty()) {
        const std::optional<BDouble> divisor = product(step.divisor);
        number = divisor ? number->dividedBy(*divisor) : std::nullopt;
    }
    if (number && !step.unit.empty()) {
        const BDouble* factor = unitFactor(step.unit, table, depth + 1);
        if (!factor)
            return std::nullopt;
        *number *= *factor;
    }
    return number;
}

// The factor of the row at `index`, a single multiplication; none when it is
// not, or when the rows name each other in a circle (deeper than the table).
const BDouble* factorAt(std::size_t index, TableFactors& table, std::size_t depth) {
    const UnitRow& row = table.rows[index];
    if (depth > table.rows.size() || row.chain.size() != 1 ||
        row.chain.front().op != Operator::Multiplication)
        return nullptr;
    std::optional<BDouble>& known = table.known[index];
    if (!known)
        known = stepNumber(row.chain.front(), table, depth);
    return known ? &*known : nullptr;
}

const BDouble* unitFactor(std::string_view shortName, TableFactors& table, std::size_t depth) {
    const auto row = std::find_if(table.rows.begin(), table.rows.end(), [&](const UnitRow& row) {
        return row.shortName.kind == Kind::Quoted && row.shortName.text == shortName;
    });
    return row == table.rows.end()
               ? nullptr
               : factorAt(static_cast<std::size_t>(row - table.rows.begin()), table, depth);
}

// The chain of the row at `index`; a single multiplication through the
// factors other rows may have needed already.
std::optional<MetricsCalculations> chainFrom(std::size_t index, TableFactors& table) {
    if (const BDouble* factor = factorAt(index, table, 0))
        return MetricsCalculations{{Operator::Multiplication, *factor}};
    MetricsCalculations chain;
    for (const UnitRow::Step& step : table.rows[index].chain) {
        std::optional<BDouble> number = stepNumber(step, table, 0);
        if (!number)
            return std::nullopt;
        chain.push_back({step.op, std::move(*number)});
    }
    return chain;
}

bool initiallyAdded(UnitRow::InCompactList rule, Language language) {
    switch (rule) {
    case UnitRow::InCompactList::No:
        return false;
    case UnitRow::InCompactList::Yes:
        return true;
    case UnitRow::InCompactList::InSimplifiedChinese:
        return language == Language::ChineseSimplified;
    case UnitRow::InCompactList::InTraditionalChinese:
        return language == Language::ChineseTraditional;
    }
    return false;
}

} // namespace

void buildUnitCatalogue(UnitCatalogue& catalogue, const LocalizedStrings& strings,
                        Language language, const LocalizedStrings& british) {
    catalogue.clear();
    const std::span<const CategoryTable> tables = categoryTables();
    catalogue.reserve(tables.size());
    for (const CategoryTable& table : tables)
        catalogue.push_back({strings.*table.texts.name,
                             strings.*table.texts.moreUnits,
                             strings.*table.texts.pickFirst,
                             strings.*table.texts.pickSecond,
                             {},
                             {}});

    for (std::size_t index = 0; index < tables.size(); ++index) {
        std::vector<UnitDefinition>& units = catalogue[index].unitDefinitions;
        TableFactors factors(tables[index].units);
        for (std::size_t r = 0; r < factors.rows.size(); ++r) {
            const UnitRow& row = factors.rows[r];
            if (row.creation == UnitRow::Creation::ExceptTraditionalChinese &&
                language == Language::ChineseTraditional)
                continue;
            std::optional<MetricsCalculations> chain = chainFrom(r, factors);
            if (!chain) // the tables hold only sound definitions; never a unit without a chain
                continue;
            units.emplace_back(nameText(row.shortName, strings, british),
                               nameText(row.longName, strings, british),
                               initiallyAdded(row.added, language), -1, std::move(*chain));
        }
    }
    if (!catalogue.empty()) // the currency category: rates bring the rest
        setFixedRateCurrencies(catalogue.front(), strings);
}

void buildUnitCatalogue() {
    const Localization& localization = Localization::shared();
    buildUnitCatalogue(unitCatalogue(), localization.strings(), localization.language,
                       Localization::sharedBritishStrings());
}

} // namespace ratio
