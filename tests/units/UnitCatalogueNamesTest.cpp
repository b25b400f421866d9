// Unit names as a user sees them, and the unit-adding operations.
#include "CatalogueTestStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratio {
namespace {

using namespace catalogue_test;

// Stands in for a translated table: only the fields these cases need.
class ZollStrings : public EnglishBritishStrings {
  public:
    ZollStrings() {
        Inch = "Zoll";
        Stone = "Stone";
        hp_M = {"PS", "hp(M)"};
    }
};

struct NamedUnit {
    size_t category;
    size_t index;
    std::string longName;
    std::string shortName;
};

void expectNames(const UnitCatalogue& catalogue, const std::vector<NamedUnit>& rows) {
    for (const NamedUnit& row : rows) {
        ASSERT_LT(row.category, catalogue.size());
        ASSERT_LT(row.index, catalogue[row.category].unitDefinitions.size());
        const UnitDefinition& unit = catalogue[row.category].unitDefinitions[row.index];
        EXPECT_EQ(unit.longName, row.longName) << row.category << "/" << row.index;
        EXPECT_EQ(unit.shortName, row.shortName) << row.category << "/" << row.index;
    }
}

TEST(CatalogueNames, BritishEnglish) {
    const UnitCatalogue catalogue =
        builtCatalogue(EnglishBritishStrings(), Language::EnglishBritish);
    expectNames(catalogue, {
                               {1, 0, "Mile (mile, mi)", "mile"},
                               {1, 6, "Inch (in)", "in"}, // already holds its English name
                               {1, 9, "Thousandth of an inch (thou)", "thou"},
                               {1, 10, "Micrometre (\u03BCm)", "\u03BCm"},
                               {1, 14, "Fathom (fth)", "fth"},
                               {1, 15, "[China] lǐ (市里)", "市里"},
                               {2, 3, "Stone (st)", "st"},
                               {2, 9, "Microgram (\u03BCg)", "\u03BCg"},
                               {3, 0, "Cubic metre (m\u00B3)", "m\u00B3"},
                               {3, 16, "Metric tablespoon (Metric Tbsp.)", "Metric Tbsp."},
                               {4, 3, "Foot per second (ft/s)", "ft/s"},
                               {5, 2, "Square metre (m\u00B2)", "m\u00B2"},
                               {5, 7, "Square inch (in\u00B2)", "in\u00B2"},
                               {5, 18, "[Taiwan] 畝 / Bó\u0358 / Méu / Mǔ (Bó\u0358)", "Bó\u0358"},
                               {6, 10, "Gigibyte (GiB)", "GiB"},
                               {6, 14, "Kibibyte (KiB)", "KiB"},
                               {6, 17, "Bit (bit, b)", "bit"},
                               {8, 2, "Metric horsepower (hp(M))", "hp(M)"},
                               {10, 7, "Microsecond (\u03BCs)", "\u03BCs"},
                               {11, 1, "Fahrenheit (\u00B0F)", "\u00B0F"},
                               {12, 0, "[US]\u00A0Miles per gallon (mpgUS)", "mpgUS"},
                           });
}

// The exact code points: a look-alike (micro sign, "2", decomposed ó) would
// break the stored-name lookup and the display.
TEST(CatalogueNames, SymbolsUseTheIntendedCodePoints) {
    const UnitCatalogue catalogue =
        builtCatalogue(EnglishBritishStrings(), Language::EnglishBritish);
    struct Bytes {
        size_t category;
        size_t index;
        std::string utf8;
    };
    for (const Bytes& row : std::vector<Bytes>{
             {1, 10,
              "\xCE\xBC"
              "m"},
             {2, 9,
              "\xCE\xBC"
              "g"},
             {10, 7,
              "\xCE\xBC"
              "s"},
             {5, 2, "m\xC2\xB2"},
             {3, 0, "m\xC2\xB3"},
             {1, 12, "\xC3\x85"},
             {5, 18, "B\xC3\xB3\xCD\x98"},
             {5, 19, "P\xC3\xAA\xE2\x81\xBF"},
         })
        EXPECT_EQ(catalogue[row.category].unitDefinitions[row.index].shortName, row.utf8)
            << row.category << "/" << row.index;
}

TEST(CatalogueNames, TranslatedNamesKeepTheEnglishOneAlongside) {
    const UnitCatalogue catalogue = builtCatalogue(ZollStrings(), Language::German);
    expectNames(catalogue, {
                               {1, 6, "Zoll / Inch (in)", "in"},
                               {2, 3, "Stone (st)", "st"},
                               {8, 2, "Metric horsepower (hp(M))", "PS"},
                           });
}

TEST(CatalogueNames, HorsepowerSymbolFallsBackWhenATableHasNone) {
    EnglishBritishStrings strings;
    strings.hp_M.clear();
    const UnitCatalogue catalogue = builtCatalogue(strings, Language::EnglishBritish);
    EXPECT_EQ(catalogue[8].unitDefinitions[2].shortName, "hp(M)");
}

TEST(CatalogueBuild, ReplacesWhatTheCatalogueHeld) {
    UnitCatalogue catalogue(3);
    catalogue[1].unitDefinitions.emplace_back("x", "X", true, 0, MetricsCalculations{});
    buildUnitCatalogue(catalogue, EnglishBritishStrings(), Language::EnglishBritish,
                       EnglishBritishStrings());
    ASSERT_EQ(catalogue.size(), 13u);
    EXPECT_EQ(catalogue[1].unitDefinitions.size(), 29u);
    EXPECT_EQ(catalogue[1].unitDefinitions[0].shortName, "mile");
}

TEST(CatalogueBuild, TextsAreCopiesFixedAtBuildTime) {
    EnglishBritishStrings strings;
    const UnitCatalogue catalogue = builtCatalogue(strings, Language::EnglishBritish);
    strings.Length = "changed";
    strings.Mile = "changed";
    EXPECT_EQ(catalogue[1].nameSingle, "Length");
    EXPECT_EQ(catalogue[1].unitDefinitions[0].longName, "Mile (mile, mi)");
}

struct AddCase {
    const char* what;
    std::string longName;
    std::string numberText;
    std::string englishName; // empty: addUnit
    int categoryIndex;
    bool accepted;
    std::string storedLongName;
};

TEST(CatalogueAddUnit, AppendsOrRefuses) {
    for (const AddCase& row : std::vector<AddCase>{
             {"plain", "Furlong", "201.168", "", 1, true, "Furlong (fur)"},
             {"bracketed", "Furlong (fur, f)", "201.168", "", 1, true, "Furlong (fur, f)"},
             {"translated", "Achtelmeile", "201.168", "Furlong", 1, true,
              "Achtelmeile / Furlong (fur)"},
             {"English contained", "furlong", "201.168", "Furlong", 1, true, "furlong (fur)"},
             {"first category", "Furlong", "201.168", "", 0, true, "Furlong (fur)"},
             {"last category", "Furlong", "201.168", "", 12, true, "Furlong (fur)"},
             {"past the end", "Furlong", "201.168", "", 13, false, ""},
             {"negative index", "Furlong", "201.168", "", -1, false, ""},
             {"not a number", "Furlong", "two hundred", "", 1, false, ""},
             {"empty number", "Furlong", "", "", 1, false, ""},
             {"comma decimal", "Furlong", "201,168", "", 1, false, ""},
         }) {
        SCOPED_TRACE(row.what);
        UnitCatalogue catalogue = builtCatalogue(EnglishBritishStrings(), Language::German);
        const UnitCatalogue before = catalogue;
        const bool accepted =
            row.englishName.empty()
                ? addUnit(catalogue, row.longName, row.numberText, "fur", true, row.categoryIndex)
                : addUnitWithEnglishName(catalogue, row.longName, row.numberText, "fur",
                                         row.englishName, true, row.categoryIndex);
        ASSERT_EQ(accepted, row.accepted);
        size_t total = 0, totalBefore = 0;
        for (size_t i = 0; i < catalogue.size(); ++i) {
            total += catalogue[i].unitDefinitions.size();
            totalBefore += before[i].unitDefinitions.size();
        }
        EXPECT_EQ(total, totalBefore + (accepted ? 1 : 0));
        if (!accepted)
            continue;

        const UnitDefinition& unit =
            catalogue[static_cast<size_t>(row.categoryIndex)].unitDefinitions.back();
        EXPECT_EQ(unit.longName, row.storedLongName);
        EXPECT_EQ(unit.shortName, "fur");
        EXPECT_TRUE(unit.added);
        EXPECT_EQ(unit.indexOfCompactList, -1);
        ASSERT_EQ(unit.metricsCalculations.size(), 1u);
        EXPECT_EQ(unit.metricsCalculations[0].Operator, Operator::Multiplication);
        EXPECT_TRUE(unit.metricsCalculations[0].Number == *BDouble::fromText("201.168"));
    }
}

TEST(CatalogueAddUnit, RefusesOnAnEmptyCatalogue) {
    UnitCatalogue catalogue;
    EXPECT_FALSE(addUnit(catalogue, "Furlong", "201.168", "fur", false, 0));
    EXPECT_TRUE(catalogue.empty());
}

} // namespace
} // namespace ratio
