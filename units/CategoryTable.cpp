#include "units/CategoryTable.h"

#include <array>
#include <vector>

namespace ratio {

namespace {

using S = LocalizedStrings;
using Step = UnitRow::Step;
using enum UnitRow::InCompactList;
using enum UnitRow::Creation;

// Each factor is the unit's definition: a product of exact decimals, an exact
// quotient, or a multiple of another unit of the same table named by its short
// name, so that 3 US tsp. are 1 US Tbsp. and 3 市尺 are 1 m exactly.

// `number` may be a product: "75 × 9.80665".
constexpr Step times(std::string_view number) {
    return {Operator::Multiplication, number, {}, {}};
}
constexpr Step dividedBy(std::string_view number) {
    return {Operator::Division, number, {}, {}};
}
constexpr Step plus(std::string_view number) {
    return {Operator::Addition, number, {}, {}};
}
constexpr Step minus(std::string_view number) {
    return {Operator::Subtraction, number, {}, {}};
}

// For factors with no finite decimal form: the quotient is taken exactly.
constexpr Step timesQuotient(std::string_view dividend, std::string_view divisor) {
    return {Operator::Multiplication, dividend, divisor, {}};
}

// `count` of the unit with the short name `unit`: 1760 yd.
constexpr Step timesUnit(std::string_view count, std::string_view unit) {
    return {Operator::Multiplication, count, {}, unit};
}

// The unit with the short name `unit`, divided: Imp.gal. ÷ 16.
constexpr Step unitOver(std::string_view unit, std::string_view divisor) {
    return {Operator::Multiplication, "1", divisor, unit};
}

constexpr UnitRow::Name english(UnitRow::Field field) {
    return {UnitRow::Name::Kind::FieldWithEnglish, field};
}

constexpr UnitRow::Name firstHorsepowerSymbol{UnitRow::Name::Kind::FirstHorsepower, nullptr};

// The rows are function-local so that they exist before any caller, however
// early it runs.

// SI Brochure (c); 1959 yard; Chinese market system order of 1984; IAU 2012 B2, 2015 B2 (pc)
const std::vector<UnitRow>& lengthUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Mile, "mile", {timesUnit("1760", "yd")}, Yes},
        {&S::Kilometer, "km", {times("1000")}, Yes},
        {&S::Meter, "m", {times("1")}, Yes},
        {&S::Yard, "yd", {times("0.9144")}, Yes},
        {&S::Foot, "ft", {unitOver("yd", "3")}, Yes},
        {&S::Decimeter, "dm", {times("0.1")}, No},
        {english(&S::Inch), "in", {unitOver("ft", "12")}, Yes},
        {&S::Centimeter, "cm", {times("0.01")}, Yes},
        {&S::Millimeter, "mm", {times("0.001")}, No},
        {&S::Thousandth_of_an_inch, "thou", {unitOver("in", "1000")}, No},
        {&S::Micrometer, "μm", {times("0.000001")}, No},
        {&S::Nanometer, "nm", {times("0.000000001")}, No},
        {&S::Angstrom, "Å", {times("0.0000000001")}, No},
        {&S::Nautical_mile, "M", {times("1852")}, No},
        {english(&S::Fathom), "fth", {timesUnit("6", "ft")}, No},
        {&S::lǐ_length, "市里", {timesUnit("150", "市丈")}, InSimplifiedChinese},
        {&S::yǐn_length, "引", {timesUnit("10", "市丈")}, No},
        {&S::zhàng_length, "市丈", {timesUnit("10", "市尺")}, No},
        {&S::chǐ_length, "市尺", {timesQuotient("1", "3")}, No},
        {&S::cùn_length, "市寸", {unitOver("市尺", "10")}, InSimplifiedChinese},
        {&S::fēn_length, "市分", {unitOver("市寸", "10")}, InSimplifiedChinese},
        {&S::lí_length, "厘 / 釐", {unitOver("市分", "10")}, No},
        {&S::háo_length, "毫", {unitOver("厘 / 釐", "10")}, No},
        {&S::Light_second, "ls", {times("299792458")}, No},
        {&S::Light_minute, "lm", {timesUnit("60", "ls")}, No},
        {&S::Light_hour, "lh", {timesUnit("3600", "ls")}, No},
        {&S::Light_day, "ld", {timesUnit("86400", "ls")}, No},
        {&S::Light_year, "ly", {timesUnit("365.25 × 86400", "ls")}, No}, // the Julian year (IAU)
        // 648000/π au with au = 149597870700 m: irrational, so the decimal,
        // to 15 significant digits (27 m above the definition).
        {&S::Parsec, "pc", {times("30856775814913700")}, No},
    };
    return rows;
}

// SI Brochure; the 1959 pound of 0.45359237 kg and its avoirdupois parts (NIST Handbook 44)
const std::vector<UnitRow>& massUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Imperial_ton_Long_ton, "tn. l.", {timesUnit("2240", "lb")}, No},
        {&S::Tonne, "t", {times("1000000")}, No},
        {&S::US_Ton_Short_Ton, "tn. sh.", {timesUnit("2000", "lb")}, No},
        {english(&S::Stone), "st", {timesUnit("14", "lb")}, No},
        {&S::Kilogram, "kg", {times("1000")}, Yes},
        {&S::Pound, "lb", {times("453.59237")}, Yes},
        {&S::Ounce, "oz.", {unitOver("lb", "16")}, Yes},
        {&S::Gram, "g", {times("1")}, Yes},
        {&S::Milligram, "mg", {times("0.001")}, Yes},
        {&S::Microgram, "μg", {times("0.000001")}, No},
    };
    return rows;
}

// UK Weights and Measures Act 1985; NIST Handbook 44 (231 in³, dry 268.8025 in³); 21 CFR 101.9 cup
const std::vector<UnitRow>& volumeUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Cubic_meter, "m³", {times("1000")}, No},
        {&S::Cubic_foot, "ft3", {timesUnit("1728", "in3")}, No},
        {&S::Imperial_gallon, "Imp.gal.", {times("4.54609")}, Yes},
        {&S::US_liquid_gallon, "US.liq.gal.", {timesUnit("231", "in3")}, Yes},
        {&S::US_dry_gallon, "US.dry.gal.", {timesUnit("268.8025", "in3")}, No},
        {&S::Imperial_quart, "Imp.qt.", {unitOver("Imp.gal.", "4")}, No},
        {&S::Liter, "l", {times("1")}, Yes},
        {&S::US_liquid_quart, "US.liq.qt.", {unitOver("US.liq.gal.", "4")}, Yes},
        {&S::Imperial_pint, "Imp.pt.", {unitOver("Imp.gal.", "8")}, No},
        {&S::US_liquid_pint, "US.liq.pt.", {unitOver("US.liq.gal.", "8")}, Yes},
        {&S::Imperial_cup, "Imp.cup", {unitOver("Imp.gal.", "16")}, No}, // half a pint
        {&S::US_Legal_cup, "US legal cup", {times("0.24")}, No},
        {&S::Deciliter, "dl", {times("0.1")}, No},
        {&S::US_Fluid_ounce, "US fl.oz.", {unitOver("US.liq.gal.", "128")}, No},
        // 5/8 of the Imperial fluid ounce, itself a 160th of the gallon.
        {&S::Imperial_tablespoon, "Imp.Tbsp.", {unitOver("Imp.gal.", "256")}, No},
        {&S::Cubic_inch, "in3", {times("0.254 × 0.254 × 0.254")}, No}, // (0.254 dm)³
        {&S::Metric_tablespoon, &S::Metric_Tbsp, {times("0.015")}, No},
        {&S::US_Tablespoon, "US Tbsp.", {unitOver("US fl.oz.", "2")}, No},
        {&S::US_Teaspoon, "US tsp.", {unitOver("US Tbsp.", "3")}, No},
        {&S::Milliliter, "ml", {times("0.001")}, Yes},
    };
    return rows;
}

// Length over time: the 1959 mile and foot; the nautical mile of 1852 m (SI Brochure)
const std::vector<UnitRow>& speedUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Miles_per_hour, "mph", {timesQuotient("1609.344", "3600")}, Yes},
        {&S::Kilometer_per_hour, "km/h", {timesQuotient("1000", "3600")}, Yes},
        {&S::Meter_per_second, "m/s", {times("1")}, No},
        {english(&S::Foot_per_second), "ft/s", {times("0.3048")}, No},
        {&S::Knot, "kn", {timesQuotient("1852", "3600")}, No},
    };
    return rows;
}

// 1959 yard squared (acre 4840 yd²); Chinese market system order of 1984; Taiwan's 坪 = 36 尺²
const std::vector<UnitRow>& areaUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Square_mile, "mi²", {times("1609.344 × 1609.344")}, Yes},
        {&S::Square_kilometer, "km²", {times("1000000")}, Yes},
        {&S::Square_meter, "m²", {times("1")}, Yes},
        {&S::Hectare, "ha", {times("10000")}, Yes},
        {&S::Acre, "ac", {timesUnit("4840", "yd²")}, Yes},
        {&S::Square_centimeter, "cm²", {times("0.0001")}, No},
        {&S::Square_millimeter, "mm²", {times("0.000001")}, No},
        {english(&S::Square_inch), "in²", {times("0.0254 × 0.0254")}, No},
        {english(&S::Square_yard), "yd²", {times("0.9144 × 0.9144")}, No},
        {english(&S::Square_foot), "ft²", {times("0.3048 × 0.3048")}, No},
        {&S::qǐng_area, "顷 / 頃", {timesUnit("100", "亩 / 畝")}, No},
        {&S::mǔ_area, "亩 / 畝", {timesQuotient("10000", "15")}, InSimplifiedChinese},
        {&S::fēn_area, "市分", {unitOver("亩 / 畝", "10")}, No},
        {&S::lí_area, "厘 / 釐", {unitOver("市分", "10")}, No},
        {&S::háo_area, "毫", {unitOver("厘 / 釐", "10")}, No},
        {&S::Taiwan_Lê, "Lê", {timesUnit("5", "Kah")}, InTraditionalChinese},
        {&S::Taiwan_Kah, "Kah", {timesUnit("2934", "Pêⁿ")}, InTraditionalChinese},
        {&S::Taiwan_Hun, "Hun", {unitOver("Kah", "10")}, InTraditionalChinese},
        {&S::Taiwan_Bó͘, "Bó\u0358", {timesUnit("30", "Pêⁿ")}, InTraditionalChinese},
        // 36 square 尺, the Taiwanese 尺 being 10/33 m.
        {&S::Taiwan_Pêⁿ, "Pêⁿ", {timesQuotient("36 × 10 × 10", "33 × 33")}, InTraditionalChinese},
    };
    return rows;
}

// IEC 80000-13 (binary prefixes) and the SI prefixes, on the byte of 8 bits
const std::vector<UnitRow>& informationUnits() {
    static const std::vector<UnitRow> rows{
        {"Yobibyte (YiB)", "YiB", {timesUnit("1024", "ZiB")}, No},
        {"Yottabyte (YB)", "YB", {timesUnit("1000", "ZB")}, No},
        {"Zebibyte (ZiB)", "ZiB", {timesUnit("1024", "EiB")}, No},
        {&S::Zettabyte, "ZB", {timesUnit("1000", "EB")}, No},
        {"Exbibyte (EiB)", "EiB", {timesUnit("1024", "PiB")}, No},
        {&S::Exabyte, "EB", {timesUnit("1000", "PB")}, No},
        {"Pebibyte (PiB)", "PiB", {timesUnit("1024", "TiB")}, No},
        {&S::Petabyte, "PB", {timesUnit("1000", "TB")}, No},
        {"Tebibyte (TiB)", "TiB", {timesUnit("1024", "GiB")}, No},
        {&S::Terabyte, "TB", {timesUnit("1000", "GB")}, Yes},
        {"Gibibyte (GiB)", "GiB", {timesUnit("1024", "MiB")}, No},
        {&S::Gigabyte, "GB", {timesUnit("1000", "MB")}, Yes},
        {"Mebibyte (MiB)", "MiB", {timesUnit("1024", "KiB")}, No},
        {&S::Megabyte, "MB", {timesUnit("1000", "KB")}, Yes},
        {&S::Kibibyte, "KiB", {timesUnit("1024", "B")}, No},
        {&S::Kilobyte, "KB", {timesUnit("1000", "B")}, No},
        {&S::Byte, "B", {timesUnit("8", "bit")}, No},
        {&S::Bit, "bit", {times("1")}, No},
    };
    return rows;
}

// SI Brochure (bar, standard atmosphere); NIST SP 811 (torr, conventional mmHg, psi = lbf/in²)
const std::vector<UnitRow>& pressureUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Bar, "bar", {times("1")}, Yes},
        {&S::Standard_atmosphere, "atm", {timesUnit("101325", "Pa")}, No},
        {&S::Pascal, "Pa", {times("0.00001")}, Yes},
        {&S::Hectopascal, "hPa", {timesUnit("100", "Pa")}, No},
        {&S::Millibar, "mbar", {times("0.001")}, No},
        {&S::Torr, "Torr", {unitOver("atm", "760")}, No},
        {&S::Millimeter_of_mercury,
         "mmHg",
         {timesUnit("13.5951 × 9.80665", "Pa")},
         No,
         ExceptTraditionalChinese},
        // The pound-force (0.45359237 kg × 9.80665 m/s²) on the square inch, in bar.
        {&S::Pounds_per_square_inch,
         "psi",
         {timesQuotient("0.45359237 × 9.80665", "0.0254 × 0.0254 × 100000")},
         Yes},
    };
    return rows;
}

// SI Brochure; metric horsepower 75 kgf·m/s, standard gravity 9.80665 m/s² (3rd CGPM, 1901)
const std::vector<UnitRow>& powerUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Megawatt, "MW", {times("1000000")}, No},
        {&S::Kilowatt, "kW", {times("1000")}, Yes},
        {&S::Metric_horsepower, firstHorsepowerSymbol, {timesUnit("75 × 9.80665", "W")}, Yes},
        {&S::Watt, "W", {times("1")}, No},
    };
    return rows;
}

// SI Brochure; the thermochemical calorie of 4.184 J (NIST SP 811)
const std::vector<UnitRow>& energyUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Kilocalorie, "kcal", {timesUnit("1000", "cal")}, No},
        {&S::Kilojoule, "kJ", {times("1000")}, No},
        {&S::Calorie, "cal", {times("4.184")}, Yes},
        {&S::Joule, "J", {times("1")}, Yes},
    };
    return rows;
}

// SI Brochure (second, and minute, hour, day in use with it); the common year of 365 days
const std::vector<UnitRow>& timeUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Year, "y", {timesUnit("365", "d")}, No},
        {&S::Week, "w", {timesUnit("7", "d")}, No},
        {&S::Day, "d", {timesUnit("24", "h")}, No},
        {&S::Hour, "h", {timesUnit("60", "min")}, Yes},
        {&S::Minute, "min", {times("60")}, Yes},
        {&S::Second, "s", {times("1")}, Yes},
        {&S::Millisecond, "ms", {times("0.001")}, No},
        {&S::Microsecond, "μs", {times("0.000001")}, No},
        {&S::Nanosecond, "ns", {times("0.000000001")}, No},
    };
    return rows;
}

// SI Brochure (0 °C = 273.15 K); NIST SP 811 (°F = 1.8 °C + 32)
const std::vector<UnitRow>& temperatureUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Celsius, "°C", {plus("273.15")}, Yes},
        {&S::Fahrenheit, "°F", {minus("32"), times("5"), dividedBy("9"), plus("273.15")}, Yes},
        {&S::Kelvin, "K", {times("1")}, No},
    };
    return rows;
}

// Miles per US liquid gallon of 3.785411784 l (231 in³, NIST Handbook 44)
const std::vector<UnitRow>& fuelConsumptionUnits() {
    static const std::vector<UnitRow> rows{
        {&S::US_Miles_per_gallon, "mpgUS", {dividedBy("3.785411784")}, Yes},
        {&S::Miles_per_liter, "mpl", {times("1")}, Yes},
    };
    return rows;
}
} // namespace

std::span<const CategoryTable> categoryTables() {
    const std::span<const CategoryTexts> texts = categoryTexts();
    static const std::array<CategoryTable, 13> tables{{
        {texts[0], {}},
        {texts[1], lengthUnits()},
        {texts[2], massUnits()},
        {texts[3], volumeUnits()},
        {texts[4], speedUnits()},
        {texts[5], areaUnits()},
        {texts[6], informationUnits()},
        {texts[7], pressureUnits()},
        {texts[8], powerUnits()},
        {texts[9], energyUnits()},
        {texts[10], timeUnits()},
        {texts[11], temperatureUnits()},
        {texts[12], fuelConsumptionUnits()},
    }};
    return tables;
}

} // namespace ratio
