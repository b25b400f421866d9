#include "units/UnitCatalogueBuilder.h"

#include "units/CategoryTable.h"
#include "units/CurrencyRates.h"

#include <optional>
#include <utility>

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

std::optional<MetricsCalculations> chainFrom(const std::vector<UnitRow::Step>& steps) {
    MetricsCalculations chain;
    chain.reserve(steps.size());
    for (const UnitRow::Step& step : steps) {
        std::optional<BDouble> number = BDouble::fromText(step.number);
        if (number && !step.divisor.empty()) {
            std::optional<BDouble> divisor = BDouble::fromText(step.divisor);
            number = divisor ? number->dividedBy(*divisor) : std::nullopt;
        }
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

Category* categoryAt(UnitCatalogue& catalogue, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= catalogue.size())
        return nullptr;
    return &catalogue[static_cast<std::size_t>(index)];
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
                             {}});

    for (std::size_t index = 0; index < tables.size(); ++index) {
        std::vector<UnitDefinition>& units = catalogue[index].unitDefinitions;
        for (const UnitRow& row : tables[index].units) {
            if (row.creation == UnitRow::Creation::ExceptTraditionalChinese &&
                language == Language::ChineseTraditional)
                continue;
            std::optional<MetricsCalculations> chain = chainFrom(row.chain);
            if (!chain) // the tables hold only valid decimals; never a unit without a chain
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

bool addUnit(UnitCatalogue& catalogue, std::string longName, std::string_view numberText,
             std::string shortName, bool added, int categoryIndex) {
    Category* category = categoryAt(catalogue, categoryIndex);
    std::optional<BDouble> number = BDouble::fromText(numberText);
    if (!category || !number)
        return false;
    category->unitDefinitions.emplace_back(
        std::move(shortName), std::move(longName), added, -1,
        MetricsCalculations{{Operator::Multiplication, std::move(*number)}});
    return true;
}

bool addUnitWithEnglishName(UnitCatalogue& catalogue, std::string_view longName,
                            std::string_view numberText, std::string shortName,
                            std::string_view englishName, bool added, int categoryIndex) {
    return addUnit(catalogue, appendEnglishName(longName, englishName), numberText,
                   std::move(shortName), added, categoryIndex);
}

} // namespace ratio
