// The built-in catalogue: its shape per language, a sample of units where a
// slip in the data would show, adding units, and conversions through it.
#include "units/UnitCatalogueBuilder.h"

#include "engine/ConversionChain.h"
#include "localization/CountFormat.h"
#include "localization/EnglishBritishStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
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

// "a" or "a/b" of decimal texts, taken exactly.
BDouble exact(std::string_view text) {
    const auto slash = std::find(text.begin(), text.end(), '/');
    const auto numerator = BDouble::fromText(std::string_view(text.begin(), slash));
    const auto denominator =
        slash == text.end() ? BDouble::fromText("1") : BDouble::fromText({slash + 1, text.end()});
    EXPECT_TRUE(numerator && denominator) << text;
    return numerator && denominator ? *numerator / *denominator : BDouble();
}

// The category's short names, comma-separated.
std::string shortNames(const Category& category, bool addedOnly) {
    std::string names;
    for (const UnitDefinition& unit : category.unitDefinitions)
        if (unit.added || !addedOnly)
            names += (names.empty() ? "" : ",") + unit.shortName;
    return names;
}

TEST(CatalogueShape, UnitsPerCategory) {
    const std::vector<size_t> usual{0, 29, 10, 20, 5, 20, 18, 8, 4, 4, 9, 3, 2};
    std::vector<size_t> traditional = usual;
    traditional[7] = 7; // no millimetre of mercury
    for (Language language : {Language::EnglishBritish, Language::ChineseSimplified,
                              Language::Japanese, Language::ChineseTraditional}) {
        std::vector<size_t> counts;
        for (const Category& category : builtCatalogue(language))
            counts.push_back(category.unitDefinitions.size());
        EXPECT_EQ(counts, language == Language::ChineseTraditional ? traditional : usual)
            << static_cast<int>(language);
    }
    EXPECT_EQ(shortNames(builtCatalogue(Language::ChineseTraditional)[7], false),
              "bar,atm,Pa,hPa,mbar,Torr,psi");
}

TEST(CatalogueShape, CompactListsPerLanguage) {
    struct Row {
        Language language;
        size_t category;
        std::string added;
    };
    for (const Row& row : std::vector<Row>{
             {Language::EnglishBritish, 1, "mile,km,m,yd,ft,in,cm"},
             {Language::ChineseSimplified, 1, "mile,km,m,yd,ft,in,cm,市里,市寸,市分"},
             {Language::ChineseSimplified, 5, "mi²,km²,m²,ha,ac,亩 / 畝"},
             {Language::ChineseTraditional, 5, "mi²,km²,m²,ha,ac,Lê,Kah,Hun,Bó\u0358,Pêⁿ"},
             {Language::EnglishBritish, 8, "kW,hp(M)"},
         }) {
        const UnitCatalogue catalogue = builtCatalogue(row.language);
        EXPECT_EQ(shortNames(catalogue[row.category], true), row.added)
            << static_cast<int>(row.language) << ", category " << row.category;
    }
}

// Units where a slip in the data would show: quotients, long repeating decimals,
// multi-step chains, joined and quoted names. Symbols are spelt as escapes so a
// look-alike code point (micro sign, Ångström sign, precomposed letter) shows.
TEST(CatalogueShape, SampleUnits) {
    struct Row {
        size_t category, index;
        std::string longName, shortName;
        std::string oneInBase; // "a" or "a/b"
    };
    const std::string thirds = "0." + std::string(22, '3');
    const std::string mu = "\u03BCm";
    const UnitCatalogue catalogue = builtCatalogue();
    for (const Row& row : std::vector<Row>{
             {1, 0, "Mile (mile, mi)", "mile", "1609.344"},
             {1, 6, "Inch (in)", "in", "0.0254"},
             {1, 10, "Micrometre (" + mu + ")", mu, "0.000001"},
             {1, 12, "Angstrom (\u00C5)", "\u00C5", "0.0000000001"},
             {1, 15, "[China] lǐ (市里)", "市里", "500"},
             {1, 17, "[China] zhàng (市丈)", "市丈", "10/3"},
             {1, 18, "[China] chǐ (市尺)", "市尺", thirds},
             {2, 6, "Ounce (oz.)", "oz.", "28.349523125"},
             {3, 16, "Metric tablespoon (Metric Tbsp.)", "Metric Tbsp.", "0.015"},
             {4, 1, "Kilometres per hour (km/h)", "km/h", "1/3.6"},
             {5, 11, "[China] mǔ (亩 / 畝)", "亩 / 畝", "666." + std::string(23, '6')},
             {5, 18, "[Taiwan] 畝 / B\u00F3\u0358 / Méu / Mǔ (B\u00F3\u0358)", "B\u00F3\u0358",
              "12000/121"},
             {5, 19, "[Taiwan] 坪 / P\u00EA\u207F / Phiàng / Píng (P\u00EA\u207F)", "P\u00EA\u207F",
              "400/121"},
             {6, 0, "Yobibyte (YiB)", "YiB", "9671406556917033397649408"},
             {7, 6, "Millimetre of mercury (mmHg)", "mmHg", "0.00133322387415"},
             {8, 2, "Metric horsepower (hp(M))", "hp(M)", "735.49875"},
             {9, 0, "Kilocalorie (kcal)", "kcal", "4184"},
             {10, 7, "Microsecond (\u03BCs)", "\u03BCs", "0.000001"},
             {11, 1, "Fahrenheit (\u00B0F)", "\u00B0F", "46067/180"},
             {12, 0, "[US]\u00A0Miles per gallon (mpgUS)", "mpgUS", "1/3.785411784"},
         }) {
        SCOPED_TRACE(testing::Message() << row.category << "/" << row.index);
        ASSERT_LT(row.index, catalogue[row.category].unitDefinitions.size());
        const UnitDefinition& unit = catalogue[row.category].unitDefinitions[row.index];
        EXPECT_EQ(unit.longName, row.longName);
        EXPECT_EQ(unit.shortName, row.shortName);
        EXPECT_EQ(unit.indexOfCompactList, -1);
        const std::optional<BDouble> base = applyForwards(unit.metricsCalculations, 1);
        ASSERT_TRUE(base);
        EXPECT_TRUE(*base == exact(row.oneInBase)) << base->decimalExpansion(30);
    }
}

TEST(CatalogueShape, CategoryTextsInOrderAndInTheirSlots) {
    std::string names;
    std::vector<std::string> seen;
    for (const Category& category : builtCatalogue()) {
        names += category.nameSingle + "|";
        EXPECT_TRUE(formatCount(category.additionalUnitsNumber, 2, Language::EnglishBritish)
                        .starts_with("2 more "))
            << names;
        ASSERT_TRUE(category.pickFirstUnit.starts_with("Pick first ")) << names;
        EXPECT_EQ(category.pickSecondUnit, "Pick second " + category.pickFirstUnit.substr(11));
        seen.push_back(category.additionalUnitsNumber);
        seen.push_back(category.pickFirstUnit);
    }
    EXPECT_EQ(names, "Currency|Length|Mass|Volume|Speed|Area|Units of information|Pressure|Power|"
                     "Energy|Time|Temperature|Fuel consumption|");
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "a text used twice";
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
        const char* what;
        std::string longName, numberText, englishName; // no English name: addUnit
        int categoryIndex;
        std::string storedLongName; // empty: refused
    };
    for (const Row& row : std::vector<Row>{
             {"plain", "Furlong", "201.168", "", 1, "Furlong (fur)"},
             {"bracketed", "Furlong (fur, f)", "201.168", "", 1, "Furlong (fur, f)"},
             {"translated", "Achtelmeile", "201.168", "Furlong", 1, "Achtelmeile / Furlong (fur)"},
             {"last category", "Furlong", "201.168", "", 12, "Furlong (fur)"},
             {"past the end", "Furlong", "201.168", "", 13, ""},
             {"negative index", "Furlong", "201.168", "", -1, ""},
             {"not a number", "Furlong", "two hundred", "", 1, ""},
             {"comma decimal", "Furlong", "201,168", "", 1, ""},
         }) {
        SCOPED_TRACE(row.what);
        UnitCatalogue catalogue = builtCatalogue();
        const UnitCatalogue before = catalogue;
        const bool accepted =
            row.englishName.empty()
                ? addUnit(catalogue, row.longName, row.numberText, "fur", true, row.categoryIndex)
                : addUnitWithEnglishName(catalogue, row.longName, row.numberText, "fur",
                                         row.englishName, true, row.categoryIndex);
        ASSERT_EQ(accepted, !row.storedLongName.empty());
        for (size_t i = 0; i < catalogue.size(); ++i)
            EXPECT_EQ(catalogue[i].unitDefinitions.size(),
                      before[i].unitDefinitions.size() +
                          (accepted && row.categoryIndex == static_cast<int>(i)))
                << i;
        if (!accepted)
            continue;
        const UnitDefinition& unit =
            catalogue[static_cast<size_t>(row.categoryIndex)].unitDefinitions.back();
        EXPECT_EQ(unit.longName, row.storedLongName);
        EXPECT_EQ(unit.shortName, "fur");
        EXPECT_TRUE(unit.added);
        EXPECT_EQ(unit.indexOfCompactList, -1);
        EXPECT_TRUE(applyForwards(unit.metricsCalculations, 1) == exact("201.168"));
    }
}

// Exact results, before any rounding for display: through quotients, offsets
// and divisions, both ways, and back to the same unit.
TEST(CatalogueConversion, ExactResults) {
    struct At {
        size_t category, index;
    };
    constexpr At metre{1, 2}, chi{1, 18}, kmh{4, 1}, metrePerSecond{4, 2}, squareMetre{5, 2},
        bo{5, 18}, pen{5, 19}, yobibyte{6, 0}, yottabyte{6, 1}, celsius{11, 0}, fahrenheit{11, 1},
        kelvin{11, 2}, milesPerGallon{12, 0}, milesPerLitre{12, 1};
    const UnitCatalogue catalogue = builtCatalogue();
    const auto chain = [&](At at) -> const MetricsCalculations& {
        return catalogue.at(at.category).unitDefinitions.at(at.index).metricsCalculations;
    };
    struct Row {
        std::string value;
        At from, to;
        std::string result; // "a" or "a/b"
    };
    for (const Row& row : std::vector<Row>{
             {"100", celsius, fahrenheit, "212"},
             {"0", fahrenheit, celsius, "-160/9"},
             {"-40", fahrenheit, celsius, "-40"},
             {"0", kelvin, celsius, "-273.15"},
             {"1", kmh, metrePerSecond, "1/3.6"},
             {"1", pen, squareMetre, "400/121"},
             {"1", bo, pen, "30"},
             {"1", milesPerGallon, milesPerLitre, "1/3.785411784"},
             {"3", chi, metre, "0.9999999999999999999999"}, // a truncated decimal
             {"1", yobibyte, yottabyte, "1.208925819614629174706176"},
             {"123.456789012345678901", kmh, kmh, "123.456789012345678901"},
             {"123.456789012345678901", fahrenheit, fahrenheit, "123.456789012345678901"},
             {"123.456789012345678901", milesPerGallon, milesPerGallon, "123.456789012345678901"},
         }) {
        SCOPED_TRACE(testing::Message()
                     << row.value << " from " << row.from.category << "/" << row.from.index);
        const std::optional<BDouble> result =
            convert(exact(row.value), chain(row.from), chain(row.to));
        ASSERT_TRUE(result);
        EXPECT_TRUE(*result == exact(row.result)) << result->decimalExpansion(30);
    }
}

} // namespace
} // namespace ratio
