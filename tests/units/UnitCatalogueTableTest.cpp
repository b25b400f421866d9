// The built-in catalogue, unit by unit: names, symbols, exact chains and the
// starting compact lists, per language where they differ.
#include "CatalogueTestStrings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace ratio {
namespace {

using namespace catalogue_test;

enum class Source { Field, WithEnglish, Quoted };
enum class Start { No, Yes, Simplified, Traditional };

struct ExpectedUnit {
    int category;
    int index;
    Source source;
    std::string name;      // field name, or the quoted long name
    std::string shortName; // "field:X": the text of field X
    // Steps separated by ";": operator character and decimal text; "a/b" after
    // the operator is the exact quotient.
    std::string chain;
    Start start;
};

std::string repeated(char digit, int count) {
    return std::string(static_cast<size_t>(count), digit);
}

using enum Source;
using enum Start;

// Kept apart from the catalogue's own rows and written out independently of
// them; the repeating decimals are spelt by their digit counts so a dropped
// digit shows.
const std::vector<ExpectedUnit>& expectedUnits() {
    static const std::vector<ExpectedUnit> units{
        {1, 0, Field, "Mile", "mile", "*1609.344", Yes},
        {1, 1, Field, "Kilometer", "km", "*1000", Yes},
        {1, 2, Field, "Meter", "m", "*1", Yes},
        {1, 3, Field, "Yard", "yd", "*0.9144", Yes},
        {1, 4, Field, "Foot", "ft", "*0.3048", Yes},
        {1, 5, Field, "Decimeter", "dm", "*0.1", No},
        {1, 6, WithEnglish, "Inch", "in", "*0.0254", Yes},
        {1, 7, Field, "Centimeter", "cm", "*0.01", Yes},
        {1, 8, Field, "Millimeter", "mm", "*0.001", No},
        {1, 9, Field, "Thousandth_of_an_inch", "thou", "*0.0000254", No},
        {1, 10, Field, "Micrometer", "\u03BCm", "*0.000001", No},
        {1, 11, Field, "Nanometer", "nm", "*0.000000001", No},
        {1, 12, Field, "Angstrom", "\u00C5", "*0.0000000001", No},
        {1, 13, Field, "Nautical_mile", "M", "*1852", No},
        {1, 14, WithEnglish, "Fathom", "fth", "*1.8288", No},
        {1, 15, Field, "lǐ_length", "市里", "*500", Simplified},
        {1, 16, Field, "yǐn_length", "引", "*33." + repeated('3', 20), No},
        {1, 17, Field, "zhàng_length", "市丈", "*10.0/3.0", No},
        {1, 18, Field, "chǐ_length", "市尺", "*0." + repeated('3', 22), No},
        {1, 19, Field, "cùn_length", "市寸", "*0.0" + repeated('3', 22), Simplified},
        {1, 20, Field, "fēn_length", "市分", "*0.00" + repeated('3', 22), Simplified},
        {1, 21, Field, "lí_length", "厘 / 釐", "*0.000" + repeated('3', 22), No},
        {1, 22, Field, "háo_length", "毫", "*0.0000" + repeated('3', 22), No},
        {1, 23, Field, "Light_second", "ls", "*299792458", No},
        {1, 24, Field, "Light_minute", "lm", "*17987547480", No},
        {1, 25, Field, "Light_hour", "lh", "*1079252848800", No},
        {1, 26, Field, "Light_day", "ld", "*25902068371200", No},
        {1, 27, Field, "Light_year", "ly", "*9460730472580800", No},
        {1, 28, Field, "Parsec", "pc", "*30856775814913700", No},

        {2, 0, Field, "Imperial_ton_Long_ton", "tn. l.", "*1016046.9088", No},
        {2, 1, Field, "Tonne", "t", "*1000000", No},
        {2, 2, Field, "US_Ton_Short_Ton", "tn. sh.", "*907184.74", No},
        {2, 3, WithEnglish, "Stone", "st", "*6350.29318", No},
        {2, 4, Field, "Kilogram", "kg", "*1000", Yes},
        {2, 5, Field, "Pound", "lb", "*453.59237", Yes},
        {2, 6, Field, "Ounce", "oz.", "*28.349523125", Yes},
        {2, 7, Field, "Gram", "g", "*1", Yes},
        {2, 8, Field, "Milligram", "mg", "*0.001", Yes},
        {2, 9, Field, "Microgram", "\u03BCg", "*0.000001", No},

        {3, 0, Field, "Cubic_meter", "m\u00B3", "*1000", No},
        {3, 1, Field, "Cubic_foot", "ft3", "*28.316846592", No},
        {3, 2, Field, "Imperial_gallon", "Imp.gal.", "*4.54609", Yes},
        {3, 3, Field, "US_liquid_gallon", "US.liq.gal.", "*3.785411784", Yes},
        {3, 4, Field, "US_dry_gallon", "US.dry.gal.", "*4.40488377086", No},
        {3, 5, Field, "Imperial_quart", "Imp.qt.", "*1.1365225", No},
        {3, 6, Field, "Liter", "l", "*1", Yes},
        {3, 7, Field, "US_liquid_quart", "US.liq.qt.", "*0.946352946", Yes},
        {3, 8, Field, "Imperial_pint", "Imp.pt.", "*0.56826125", No},
        {3, 9, Field, "US_liquid_pint", "US.liq.pt.", "*0.473176473", Yes},
        {3, 10, Field, "Imperial_cup", "Imp.cup", "*0.284130642624675", No},
        {3, 11, Field, "US_Legal_cup", "US legal cup", "*0.24", No},
        {3, 12, Field, "Deciliter", "dl", "*0.1", No},
        {3, 13, Field, "US_Fluid_ounce", "US fl.oz.", "*0.0295735295625", No},
        {3, 14, Field, "Imperial_tablespoon", "Imp.Tbsp.", "*0.0177581640625", No},
        {3, 15, Field, "Cubic_inch", "in3", "*0.016387064", No},
        {3, 16, Field, "Metric_tablespoon", "field:Metric_Tbsp", "*0.015", No},
        {3, 17, Field, "US_Tablespoon", "US Tbsp.", "*0.0147867647825", No},
        {3, 18, Field, "US_Teaspoon", "US tsp.", "*0.00492892159375", No},
        {3, 19, Field, "Milliliter", "ml", "*0.001", Yes},

        {4, 0, Field, "Miles_per_hour", "mph", "*0.44704", Yes},
        {4, 1, Field, "Kilometer_per_hour", "km/h", "*1/3.6", Yes},
        {4, 2, Field, "Meter_per_second", "m/s", "*1", No},
        {4, 3, WithEnglish, "Foot_per_second", "ft/s", "*0.3048", No},
        {4, 4, Field, "Knot", "kn", "*0.514444", No},

        {5, 0, Field, "Square_mile", "mi\u00B2", "*2589988.110336", Yes},
        {5, 1, Field, "Square_kilometer", "km\u00B2", "*1000000", Yes},
        {5, 2, Field, "Square_meter", "m\u00B2", "*1", Yes},
        {5, 3, Field, "Hectare", "ha", "*10000", Yes},
        {5, 4, Field, "Acre", "ac", "*4046.8564224", Yes},
        {5, 5, Field, "Square_centimeter", "cm\u00B2", "*0.0001", No},
        {5, 6, Field, "Square_millimeter", "mm\u00B2", "*0.000001", No},
        {5, 7, WithEnglish, "Square_inch", "in\u00B2", "*0.00064516", No},
        {5, 8, WithEnglish, "Square_yard", "yd\u00B2", "*0.83612736", No},
        {5, 9, WithEnglish, "Square_foot", "ft\u00B2", "*0.09290304", No},
        {5, 10, Field, "qǐng_area", "顷 / 頃", "*66666." + repeated('6', 20), No},
        {5, 11, Field, "mǔ_area", "亩 / 畝", "*666." + repeated('6', 23), Simplified},
        {5, 12, Field, "fēn_area", "市分", "*66." + repeated('6', 24), No},
        {5, 13, Field, "lí_area", "厘 / 釐", "*6." + repeated('6', 25), No},
        {5, 14, Field, "háo_area", "毫", "*0." + repeated('6', 26), No},
        {5, 15, Field, "Taiwan_Lê", "Lê", "*5868000;/121", Traditional},
        {5, 16, Field, "Taiwan_Kah", "Kah", "*1173600;/121", Traditional},
        {5, 17, Field, "Taiwan_Hun", "Hun", "*117360;/121", Traditional},
        {5, 18, Field, "Taiwan_Bó\u0358", "Bó\u0358", "*12000;/121", Traditional},
        {5, 19, Field, "Taiwan_Pêⁿ", "Pê\u207F", "*400;/121", Traditional},

        {6, 0, Quoted, "Yobibyte (YiB)", "YiB", "*9671406556917033397649408", No},
        {6, 1, Quoted, "Yottabyte (YB)", "YB", "*8000000000000000000000000", No},
        {6, 2, Quoted, "Zebibyte (ZiB)", "ZiB", "*9444732965739290427392", No},
        {6, 3, Field, "Zettabyte", "ZB", "*8000000000000000000000", No},
        {6, 4, Quoted, "Exbibyte (EiB)", "EiB", "*9223372036854775808", No},
        {6, 5, Field, "Exabyte", "EB", "*8000000000000000000", No},
        {6, 6, Quoted, "Pebibyte (PiB)", "PiB", "*9007199254740992", No},
        {6, 7, Field, "Petabyte", "PB", "*8000000000000000", No},
        {6, 8, Quoted, "Tebibyte (TiB)", "TiB", "*8796093022208", No},
        {6, 9, Field, "Terabyte", "TB", "*8000000000000", Yes},
        {6, 10, Quoted, "Gigibyte (GiB)", "GiB", "*8589934592", No},
        {6, 11, Field, "Gigabyte", "GB", "*8000000000", Yes},
        {6, 12, Quoted, "Mebibyte (MiB)", "MiB", "*8388608", No},
        {6, 13, Field, "Megabyte", "MB", "*8000000", Yes},
        {6, 14, Field, "Kibibyte", "KiB", "*8192", No},
        {6, 15, Field, "Kilobyte", "KB", "*8000", No},
        {6, 16, Field, "Byte", "B", "*8", No},
        {6, 17, Field, "Bit", "bit", "*1", No},

        {7, 0, Field, "Bar", "bar", "*1", Yes},
        {7, 1, Field, "Standard_atmosphere", "atm", "*1.01325", No},
        {7, 2, Field, "Pascal", "Pa", "*0.00001", Yes},
        {7, 3, Field, "Hectopascal", "hPa", "*0.001", No},
        {7, 4, Field, "Millibar", "mbar", "*0.001", No},
        {7, 5, Field, "Torr", "Torr", "*0.001333224", No},
        {7, 6, Field, "Millimeter_of_mercury", "mmHg", "*0.00133322387415", No},
        {7, 7, Field, "Pounds_per_square_inch", "psi", "*0.06894757", Yes},

        {8, 0, Field, "Megawatt", "MW", "*1000000", No},
        {8, 1, Field, "Kilowatt", "kW", "*1000", Yes},
        {8, 2, Field, "Metric_horsepower", "<hp0>", "*735.49875", Yes},
        {8, 3, Field, "Watt", "W", "*1", No},

        {9, 0, Field, "Kilocalorie", "kcal", "*4184", No},
        {9, 1, Field, "Kilojoule", "kJ", "*1000", No},
        {9, 2, Field, "Calorie", "cal", "*4.184", Yes},
        {9, 3, Field, "Joule", "J", "*1", Yes},

        {10, 0, Field, "Year", "y", "*31536000", No},
        {10, 1, Field, "Week", "w", "*604800", No},
        {10, 2, Field, "Day", "d", "*86400", No},
        {10, 3, Field, "Hour", "h", "*3600", Yes},
        {10, 4, Field, "Minute", "min", "*60", Yes},
        {10, 5, Field, "Second", "s", "*1", Yes},
        {10, 6, Field, "Millisecond", "ms", "*0.001", No},
        {10, 7, Field, "Microsecond", "\u03BCs", "*0.000001", No},
        {10, 8, Field, "Nanosecond", "ns", "*0.000000001", No},

        {11, 0, Field, "Celsius", "\u00B0C", "+273.15", Yes},
        {11, 1, Field, "Fahrenheit", "\u00B0F", "-32;*5;/9;+273.15", Yes},
        {11, 2, Field, "Kelvin", "K", "*1", No},

        {12, 0, Field, "US_Miles_per_gallon", "mpgUS", "/3.785411784", Yes},
        {12, 1, Field, "Miles_per_liter", "mpl", "*1", Yes},
    };
    return units;
}

BDouble number(std::string_view text) {
    std::optional<BDouble> value = BDouble::fromText(text);
    EXPECT_TRUE(value) << text;
    return value.value_or(BDouble());
}

MetricsCalculations chainOf(std::string_view text) {
    MetricsCalculations chain;
    while (!text.empty()) {
        size_t end = std::min(text.find(';'), text.size());
        std::string_view step = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));

        Operator op = Operator::Multiplication;
        switch (step.front()) {
        case '+':
            op = Operator::Addition;
            break;
        case '-':
            op = Operator::Subtraction;
            break;
        case '/':
            op = Operator::Division;
            break;
        }
        step.remove_prefix(1);
        size_t slash = step.find('/');
        BDouble value = slash == std::string_view::npos
                            ? number(step)
                            : number(step.substr(0, slash)) / number(step.substr(slash + 1));
        chain.push_back({op, value});
    }
    return chain;
}

// "field:X" stands for the text of field X.
std::string expectedShortName(const ExpectedUnit& unit) {
    const std::string_view prefix = "field:";
    if (unit.shortName.starts_with(prefix))
        return fieldText(taggedStrings(), unit.shortName.substr(prefix.size()));
    return unit.shortName;
}

std::string expectedLongName(const ExpectedUnit& unit, const LocalizedStrings& british) {
    if (unit.source == Quoted)
        return unit.name;
    std::string name = fieldText(taggedStrings(), unit.name);
    if (unit.source == WithEnglish)
        name += " / " + fieldText(british, unit.name);
    return name + " (" + expectedShortName(unit) + ")";
}

bool expectedAdded(Start start, Language language) {
    switch (start) {
    case Start::Yes:
        return true;
    case Start::Simplified:
        return language == Language::ChineseSimplified;
    case Start::Traditional:
        return language == Language::ChineseTraditional;
    case Start::No:
        break;
    }
    return false;
}

bool createdIn(const ExpectedUnit& unit, Language language) {
    return !(language == Language::ChineseTraditional && unit.name == "Millimeter_of_mercury");
}

class CatalogueTablePerLanguage : public testing::TestWithParam<Language> {};

// Every unit in every category: position, both names, the exact chain and the
// initial compact-list flag, for a plain language and the two that differ.
TEST_P(CatalogueTablePerLanguage, EveryUnitMatchesItsRow) {
    const Language language = GetParam();
    const EnglishBritishStrings british;
    const UnitCatalogue catalogue = builtCatalogue(taggedStrings(), language);
    ASSERT_EQ(catalogue.size(), 13u);
    EXPECT_TRUE(catalogue[0].unitDefinitions.empty());

    std::vector<size_t> position(13, 0);
    for (const ExpectedUnit& expected : expectedUnits()) {
        if (!createdIn(expected, language))
            continue;
        const auto& units = catalogue[static_cast<size_t>(expected.category)].unitDefinitions;
        const size_t at = position[static_cast<size_t>(expected.category)]++;
        SCOPED_TRACE(testing::Message() << "category " << expected.category << " unit "
                                        << expected.index << " " << expected.name);
        ASSERT_LT(at, units.size());
        const UnitDefinition& unit = units[at];

        EXPECT_EQ(unit.shortName, expectedShortName(expected));
        EXPECT_EQ(unit.longName, expectedLongName(expected, british));
        EXPECT_EQ(unit.added, expectedAdded(expected.start, language));
        EXPECT_EQ(unit.indexOfCompactList, -1);

        const MetricsCalculations chain = chainOf(expected.chain);
        ASSERT_EQ(unit.metricsCalculations.size(), chain.size());
        for (size_t step = 0; step < chain.size(); ++step) {
            EXPECT_EQ(unit.metricsCalculations[step].Operator, chain[step].Operator) << step;
            EXPECT_TRUE(unit.metricsCalculations[step].Number == chain[step].Number)
                << "step " << step << ": "
                << unit.metricsCalculations[step].Number.decimalExpansion(30) << " vs "
                << chain[step].Number.decimalExpansion(30);
        }
    }
    for (size_t category = 0; category < 13; ++category)
        EXPECT_EQ(catalogue[category].unitDefinitions.size(), position[category]) << category;
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTablePerLanguage,
                         testing::Values(Language::EnglishBritish, Language::ChineseSimplified,
                                         Language::ChineseTraditional),
                         [](const testing::TestParamInfo<Language>& info) {
                             switch (info.param) {
                             case Language::ChineseSimplified:
                                 return "ChineseSimplified";
                             case Language::ChineseTraditional:
                                 return "ChineseTraditional";
                             default:
                                 return "EnglishBritish";
                             }
                         });

struct CompactList {
    Language language;
    size_t category;
    std::vector<std::string> shortNames; // of the units whose `added` is set
};

TEST(CatalogueCompactLists, StartingMembersPerLanguage) {
    for (const CompactList& row : std::vector<CompactList>{
             {Language::EnglishBritish, 1, {"mile", "km", "m", "yd", "ft", "in", "cm"}},
             {Language::ChineseSimplified,
              1,
              {"mile", "km", "m", "yd", "ft", "in", "cm", "市里", "市寸", "市分"}},
             {Language::ChineseTraditional, 1, {"mile", "km", "m", "yd", "ft", "in", "cm"}},
             {Language::EnglishBritish, 5, {"mi²", "km²", "m²", "ha", "ac"}},
             {Language::ChineseSimplified, 5, {"mi²", "km²", "m²", "ha", "ac", "亩 / 畝"}},
             {Language::ChineseTraditional,
              5,
              {"mi²", "km²", "m²", "ha", "ac", "Lê", "Kah", "Hun", "Bó\u0358", "Pêⁿ"}},
             {Language::EnglishBritish, 7, {"bar", "Pa", "psi"}},
             {Language::ChineseTraditional, 7, {"bar", "Pa", "psi"}},
             {Language::EnglishBritish, 8, {"kW", "<hp0>"}},
             {Language::EnglishBritish, 11, {"°C", "°F"}},
         }) {
        const UnitCatalogue catalogue = builtCatalogue(taggedStrings(), row.language);
        std::vector<std::string> added;
        for (const UnitDefinition& unit : catalogue[row.category].unitDefinitions)
            if (unit.added)
                added.push_back(unit.shortName);
        EXPECT_EQ(added, row.shortNames)
            << "language " << static_cast<int>(row.language) << ", category " << row.category;
    }
}

TEST(CatalogueCompactLists, TraditionalChinesePressureHasNoMercuryColumn) {
    const UnitCatalogue catalogue = builtCatalogue(taggedStrings(), Language::ChineseTraditional);
    std::vector<std::string> shortNames;
    for (const UnitDefinition& unit : catalogue[7].unitDefinitions)
        shortNames.push_back(unit.shortName);
    EXPECT_EQ(shortNames,
              (std::vector<std::string>{"bar", "atm", "Pa", "hPa", "mbar", "Torr", "psi"}));
}

struct CategoryCounts {
    Language language;
    std::vector<size_t> counts;
};

TEST(CatalogueCounts, UnitsPerCategory) {
    const std::vector<size_t> usual{0, 29, 10, 20, 5, 20, 18, 8, 4, 4, 9, 3, 2};
    std::vector<size_t> traditional = usual;
    traditional[7] = 7;
    for (const CategoryCounts& row : std::vector<CategoryCounts>{
             {Language::EnglishBritish, usual},
             {Language::EnglishUSA, usual},
             {Language::ChineseSimplified, usual},
             {Language::Japanese, usual},
             {Language::ChineseTraditional, traditional},
         }) {
        const UnitCatalogue catalogue = builtCatalogue(taggedStrings(), row.language);
        std::vector<size_t> counts;
        size_t total = 0;
        for (const Category& category : catalogue) {
            counts.push_back(category.unitDefinitions.size());
            total += category.unitDefinitions.size();
        }
        EXPECT_EQ(counts, row.counts) << static_cast<int>(row.language);
        EXPECT_EQ(total, row.language == Language::ChineseTraditional ? 131u : 132u);
    }
}

// The list of rows above must itself be complete and in order.
TEST(CatalogueCounts, ExpectedRowsAreNumberedInOrder) {
    int category = 0;
    int next = 0;
    for (const ExpectedUnit& unit : expectedUnits()) {
        if (unit.category != category) {
            EXPECT_EQ(unit.category, category + 1);
            category = unit.category;
            next = 0;
        }
        EXPECT_EQ(unit.index, next++) << unit.name;
    }
    EXPECT_EQ(expectedUnits().size(), 132u);
}

TEST(CatalogueCategories, TextsComeFromTheirFields) {
    const LocalizedStrings tagged = taggedStrings();
    const UnitCatalogue catalogue = builtCatalogue(tagged, Language::EnglishBritish);
    const std::vector<std::vector<std::string>> expected{
        {"Currency", "NUM_more_currencies", "Pick_first_currency", "Pick_second_currency"},
        {"Length", "NUM_more_lengths", "Pick_first_length", "Pick_second_length"},
        {"Mass", "NUM_more_mass_units", "Pick_first_mass_unit", "Pick_second_mass_unit"},
        {"Volume", "NUM_more_volumes", "Pick_first_volume", "Pick_second_volume"},
        {"Speed", "NUM_more_speed_units", "Pick_first_speed", "Pick_second_speed"},
        {"Area", "NUM_more_area_units", "Pick_first_area_unit", "Pick_second_area_unit"},
        {"Units_of_information", "NUM_more_units_of_information", "Pick_first_unit_of_information",
         "Pick_second_unit_of_information"},
        {"Pressure", "NUM_more_pressure_units", "Pick_first_pressure_unit",
         "Pick_second_pressure_unit"},
        {"Power", "NUM_more_power_units", "Pick_first_power_unit", "Pick_second_power_unit"},
        {"Energy", "NUM_more_energy_units", "Pick_first_energy_unit", "Pick_second_energy_unit"},
        {"Time", "NUM_more_time_units", "Pick_first_time_unit", "Pick_second_time_unit"},
        {"Temperature", "NUM_more_temperatures", "Pick_first_temperature",
         "Pick_second_temperature"},
        {"Fuel_consumption", "NUM_more_consumption_units", "Pick_first_consumption_unit",
         "Pick_second_consumption_unit"},
    };
    ASSERT_EQ(catalogue.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const Category& category = catalogue[i];
        EXPECT_EQ(category.nameSingle, fieldText(tagged, expected[i][0])) << i;
        EXPECT_EQ(category.additionalUnitsNumber, fieldText(tagged, expected[i][1])) << i;
        EXPECT_EQ(category.pickFirstUnit, fieldText(tagged, expected[i][2])) << i;
        EXPECT_EQ(category.pickSecondUnit, fieldText(tagged, expected[i][3])) << i;
    }
}

// The binary prefixes are powers of two; a digit slip in either copy of the
// table would still disagree with the arithmetic.
TEST(CatalogueCategories, BinaryPrefixesArePowersOfTwoBytes) {
    const UnitCatalogue catalogue = builtCatalogue(taggedStrings(), Language::EnglishBritish);
    const auto& units = catalogue[6].unitDefinitions;
    struct Power {
        size_t index;
        int kibis;
    };
    for (const Power& row : {Power{14, 1}, Power{12, 2}, Power{10, 3}, Power{8, 4}, Power{6, 5},
                             Power{4, 6}, Power{2, 7}, Power{0, 8}}) {
        BDouble bits = 8;
        for (int i = 0; i < row.kibis; ++i)
            bits = bits * BDouble(1024);
        ASSERT_EQ(units[row.index].metricsCalculations.size(), 1u);
        EXPECT_TRUE(units[row.index].metricsCalculations[0].Number == bits)
            << units[row.index].shortName;
    }
}

} // namespace
} // namespace ratio
