// The built-in catalogue: its shape per language, a sample of units where a
// slip in the data would show, and adding units.
#include "units/UnitCatalogueBuilder.h"

#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace ratio {
namespace {

// Built over leftovers, so every test also sees that a build replaces them.
UnitCatalogue builtCatalogue(Language language = Language::EnglishBritish,
                             const LocalizedStrings& strings = EnglishBritishStrings()) {
    static const EnglishBritishStrings british;
    UnitCatalogue catalogue(3);
    catalogue[1].unitDefinitions.emplace_back("x", "X", true, 0, MetricsCalculations{});
    buildUnitCatalogue(catalogue, strings, language, british);
    return catalogue;
}

std::string shortNames(const Category& category, bool addedOnly) {
    std::string names;
    for (const UnitDefinition& unit : category.unitDefinitions)
        if (unit.added || !addedOnly)
            names += (names.empty() ? "" : ",") + unit.shortName;
    return names;
}

TEST(CatalogueShape, UnitsAndCompactListsPerLanguage) {
    // The currencies: the euro, the lev and the kuna, which need no rates.
    const std::vector<size_t> usual{3, 29, 10, 20, 5, 20, 18, 8, 4, 4, 9, 3, 2};
    for (Language language : {Language::EnglishBritish, Language::ChineseSimplified,
                              Language::Japanese, Language::ChineseTraditional}) {
        std::vector<size_t> counts;
        for (const Category& category : builtCatalogue(language))
            counts.push_back(category.unitDefinitions.size());
        std::vector<size_t> expected = usual;
        expected[7] -= language == Language::ChineseTraditional; // no millimetre of mercury
        EXPECT_EQ(counts, expected) << static_cast<int>(language);
    }
    EXPECT_EQ(shortNames(builtCatalogue(Language::ChineseTraditional)[7], false),
              "bar,atm,Pa,hPa,mbar,Torr,psi");
    const std::tuple<Language, size_t, std::string> compactLists[] = {
        {Language::EnglishBritish, 1, "mile,km,m,yd,ft,in,cm"},
        {Language::ChineseSimplified, 1, "mile,km,m,yd,ft,in,cm,市里,市寸,市分"},
        {Language::ChineseSimplified, 5, "mi²,km²,m²,ha,ac,亩 / 畝"},
        {Language::ChineseTraditional, 5, "mi²,km²,m²,ha,ac,Lê,Kah,Hun,Bó\u0358,Pêⁿ"},
    };
    for (const auto& [language, category, added] : compactLists)
        EXPECT_EQ(shortNames(builtCatalogue(language)[category], true), added)
            << static_cast<int>(language) << ", category " << category;
}

TEST(CatalogueNames, TranslatedTableKeepsTheEnglishNameAlongside) {
    EnglishBritishStrings german;
    german.Inch = "Zoll";
    german.hp_M = {"PS", "hp(M)"};
    const UnitCatalogue catalogue = builtCatalogue(Language::German, german);
    EXPECT_EQ(catalogue[1].unitDefinitions[6].longName, "Zoll / Inch (in)");
    EXPECT_EQ(catalogue[2].unitDefinitions[3].longName, "Stone (st)");
    EXPECT_EQ(catalogue[8].unitDefinitions[2].shortName, "PS");
    german.hp_M.clear(); // a table without a symbol falls back to the British one
    EXPECT_EQ(builtCatalogue(Language::German, german)[8].unitDefinitions[2].shortName, "hp(M)");
}

TEST(CatalogueAddUnit, AppendsOrRefuses) {
    struct Row {
        std::string longName, numberText, englishName; // no English name: addUnit
        int categoryIndex;
        std::string storedLongName; // empty: refused
    };
    const auto unitCount = [](const UnitCatalogue& catalogue) {
        size_t count = 0;
        for (const Category& category : catalogue)
            count += category.unitDefinitions.size();
        return count;
    };
    const size_t builtIn = unitCount(builtCatalogue());
    for (const Row& row : std::vector<Row>{
             {"Furlong (fur, f)", "201.168", "", 1, "Furlong (fur, f)"},
             {"Achtelmeile", "201.168", "Furlong", 1, "Achtelmeile / Furlong (fur)"},
             {"Furlong", "201.168", "", 12, "Furlong (fur)"},
             {"Furlong", "201.168", "", 13, ""},
             {"Furlong", "201,168", "", 1, ""},
         }) {
        SCOPED_TRACE(row.longName + " " + row.numberText + " in " +
                     std::to_string(row.categoryIndex));
        UnitCatalogue catalogue = builtCatalogue();
        const bool accepted =
            row.englishName.empty()
                ? addUnit(catalogue, row.longName, row.numberText, "fur", true, row.categoryIndex)
                : addUnitWithEnglishName(catalogue, row.longName, row.numberText, "fur",
                                         row.englishName, true, row.categoryIndex);
        ASSERT_EQ(accepted, !row.storedLongName.empty());
        EXPECT_EQ(unitCount(catalogue), builtIn + accepted);
        if (!accepted)
            continue;
        // The last unit of the asked category, so not one appended elsewhere.
        const UnitDefinition& unit =
            catalogue[static_cast<size_t>(row.categoryIndex)].unitDefinitions.back();
        EXPECT_EQ(unit.longName, row.storedLongName);
        EXPECT_EQ(applyForwards(unit.metricsCalculations, 1), BDouble::fromText("201.168"));
    }
}

} // namespace
} // namespace ratio
