// The built-in catalogue: the short lists each language starts with, and the
// British name kept beside a translated one.
#include "units/UnitCatalogueBuilder.h"

#include "localization/EnglishBritishStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace ratio {
namespace {

// Built over leftovers, so every test also sees that a build replaces them.
UnitCatalogue builtCatalogue(Language language,
                             const LocalizedStrings& strings = EnglishBritishStrings()) {
    static const EnglishBritishStrings british;
    UnitCatalogue catalogue(3);
    catalogue[1].unitDefinitions.emplace_back("x", "X", true, 0, MetricsCalculations{});
    buildUnitCatalogue(catalogue, strings, language, british);
    return catalogue;
}

std::string addedShortNames(const Category& category) {
    std::string names;
    for (const UnitDefinition& unit : category.unitDefinitions)
        if (unit.added)
            names += (names.empty() ? "" : ",") + unit.shortName;
    return names;
}

TEST(CatalogueShape, CompactListsAndNamesPerLanguage) {
    const std::tuple<Language, size_t, std::string> compactLists[] = {
        {Language::EnglishBritish, 1, "mile,km,m,yd,ft,in,cm"},
        {Language::ChineseSimplified, 1, "mile,km,m,yd,ft,in,cm,市里,市寸,市分"},
        {Language::ChineseSimplified, 5, "mi²,km²,m²,ha,ac,亩 / 畝"},
        {Language::ChineseTraditional, 5, "mi²,km²,m²,ha,ac,Lê,Kah,Hun,Bó\u0358,Pêⁿ"},
    };
    for (const auto& [language, category, added] : compactLists)
        EXPECT_EQ(addedShortNames(builtCatalogue(language)[category]), added)
            << static_cast<int>(language) << ", category " << category;
    // A translated name keeps the English one alongside.
    EnglishBritishStrings german;
    german.Inch = "Zoll";
    const UnitCatalogue catalogue = builtCatalogue(Language::German, german);
    EXPECT_EQ(catalogue[1].unitDefinitions[6].longName, "Zoll / Inch (in)");
    EXPECT_EQ(catalogue[2].unitDefinitions[3].longName, "Stone (st)"); // the same name once
}

} // namespace
} // namespace ratio
