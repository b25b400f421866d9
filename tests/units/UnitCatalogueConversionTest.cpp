// Conversions through the real catalogue units, as the second row shows them.
#include "CatalogueTestStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratio {
namespace {

using namespace catalogue_test;

struct UnitAt {
    size_t category;
    size_t index;
};

struct Conversion {
    std::string value;
    UnitAt from;
    UnitAt to;
    std::string shown;
};

class CatalogueConversion : public testing::Test {
  protected:
    const UnitCatalogue catalogue =
        builtCatalogue(EnglishBritishStrings(), Language::ChineseTraditional);

    const MetricsCalculations& chain(UnitAt at) const {
        return catalogue.at(at.category).unitDefinitions.at(at.index).metricsCalculations;
    }
};

// Traditional Chinese has the Taiwanese units; its Pressure table lacks mmHg,
// so no pressure unit past index 5 is used here.
constexpr UnitAt mile{1, 0}, kilometre{1, 1}, metre{1, 2}, centimetre{1, 7}, inch{1, 6},
    nanometre{1, 11}, yin{1, 16}, zhang{1, 17}, chi{1, 18}, squareMetre{5, 2}, le{5, 15},
    kah{5, 16}, hun{5, 17}, bo{5, 18}, pen{5, 19}, yobibyte{6, 0}, yottabyte{6, 1}, kibibyte{6, 14},
    kilobyte{6, 15}, kilometrePerHour{4, 1}, metrePerSecond{4, 2}, celsius{11, 0},
    fahrenheit{11, 1}, kelvin{11, 2}, milesPerGallon{12, 0}, milesPerLitre{12, 1};

TEST_F(CatalogueConversion, ShownResults) {
    for (const Conversion& row : std::vector<Conversion>{
             {"1", mile, kilometre, "1.609344"},
             {"2", mile, kilometre, "3.218688"},
             {"1", metre, centimetre, "100"},
             {"1", inch, nanometre, "25400000"},
             {"100", celsius, fahrenheit, "212"},
             {"0", fahrenheit, celsius, "-17.77777778"},
             {"-40", fahrenheit, celsius, "-40"},
             {"0", celsius, kelvin, "273.15"},
             {"0", kelvin, celsius, "-273.15"},
             {"1", kilometrePerHour, metrePerSecond, "0.27777778"},
             {"3.6", kilometrePerHour, metrePerSecond, "1"},
             {"1", pen, squareMetre, "3.30578512"},
             {"1", kah, squareMetre, "9699.17355372"},
             {"1", le, kah, "5"},
             {"1", kah, hun, "10"},
             {"1", bo, pen, "30"},
             {"1", milesPerGallon, milesPerLitre, "0.26417205"},
             {"1", zhang, metre, "3.33333333"},
             {"1", yin, metre, "33.33333333"},
             {"3", chi, metre, "1"},
             {"1", kibibyte, kilobyte, "1.024"},
             {"1", yobibyte, yottabyte, "1.20892582"},
         }) {
        SCOPED_TRACE(row.value + " " + std::to_string(row.from.category) + "/" +
                     std::to_string(row.from.index));
        const std::optional<BDouble> result =
            convert(*BDouble::fromText(row.value), chain(row.from), chain(row.to));
        ASSERT_TRUE(result);
        EXPECT_EQ(shownText(*result), row.shown);
    }
}

// The table's decimal for chǐ is a truncation, so three of them fall short of
// a metre by exactly 10^-22; only the display rounds it away.
TEST_F(CatalogueConversion, ChiIsExactBeforeRounding) {
    const std::optional<BDouble> result = convert(BDouble(3), chain(chi), chain(metre));
    ASSERT_TRUE(result);
    EXPECT_TRUE(*result == *BDouble::fromText("0.9999999999999999999999"));
}

// With the same unit on both rows the value comes back exactly, also where the
// factor has no finite decimal form.
TEST_F(CatalogueConversion, SameUnitBothSidesIsExact) {
    const BDouble value = *BDouble::fromText("123.456789012345678901");
    for (UnitAt unit : {kilometrePerHour, zhang, le, kah, hun, bo, pen, fahrenheit, celsius,
                        milesPerGallon, yobibyte}) {
        const std::optional<BDouble> result = convert(value, chain(unit), chain(unit));
        ASSERT_TRUE(result);
        EXPECT_TRUE(*result == value) << unit.category << "/" << unit.index;
    }
}

} // namespace
} // namespace ratio
