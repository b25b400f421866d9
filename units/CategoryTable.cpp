#include "units/CategoryTable.h"

#include <array>
#include <vector>

namespace ratio {

namespace {

using S = LocalizedStrings;
using Step = UnitRow::Step;
using enum UnitRow::InCompactList;
using enum UnitRow::Creation;

constexpr Step times(std::string_view number) {
    return {Operator::Multiplication, number, {}};
}
constexpr Step dividedBy(std::string_view number) {
    return {Operator::Division, number, {}};
}
constexpr Step plus(std::string_view number) {
    return {Operator::Addition, number, {}};
}
constexpr Step minus(std::string_view number) {
    return {Operator::Subtraction, number, {}};
}

// For factors with no finite decimal form: the quotient is taken exactly.
constexpr Step timesQuotient(std::string_view dividend, std::string_view divisor) {
    return {Operator::Multiplication, dividend, divisor};
}

constexpr UnitRow::Name english(UnitRow::Field field) {
    return {UnitRow::Name::Kind::FieldWithEnglish, field};
}

constexpr UnitRow::Name firstHorsepowerSymbol{UnitRow::Name::Kind::FirstHorsepower, nullptr};

// The rows are function-local so that they exist before any caller, however
// early it runs.

const std::vector<UnitRow>& lengthUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Mile, "mile", {times("1609.344")}, Yes},
        {&S::Kilometer, "km", {times("1000")}, Yes},
        {&S::Meter, "m", {times("1")}, Yes},
        {&S::Yard, "yd", {times("0.9144")}, Yes},
        {&S::Foot, "ft", {times("0.3048")}, Yes},
        {&S::Decimeter, "dm", {times("0.1")}, No},
        {english(&S::Inch), "in", {times("0.0254")}, Yes},
        {&S::Centimeter, "cm", {times("0.01")}, Yes},
        {&S::Millimeter, "mm", {times("0.001")}, No},
        {&S::Thousandth_of_an_inch, "thou", {times("0.0000254")}, No},
        {&S::Micrometer, "μm", {times("0.000001")}, No},
        {&S::Nanometer, "nm", {times("0.000000001")}, No},
        {&S::Angstrom, "Å", {times("0.0000000001")}, No},
        {&S::Nautical_mile, "M", {times("1852")}, No},
        {english(&S::Fathom), "fth", {times("1.8288")}, No},
        {&S::lǐ_length, "市里", {times("500")}, InSimplifiedChinese},
        {&S::yǐn_length, "引", {times("33.33333333333333333333")}, No},
        {&S::zhàng_length, "市丈", {timesQuotient("10.0", "3.0")}, No},
        {&S::chǐ_length, "市尺", {times("0.3333333333333333333333")}, No},
        {&S::cùn_length, "市寸", {times("0.03333333333333333333333")}, InSimplifiedChinese},
        {&S::fēn_length, "市分", {times("0.003333333333333333333333")}, InSimplifiedChinese},
        {&S::lí_length, "厘 / 釐", {times("0.0003333333333333333333333")}, No},
        {&S::háo_length, "毫", {times("0.00003333333333333333333333")}, No},
        {&S::Light_second, "ls", {times("299792458")}, No},
        {&S::Light_minute, "lm", {times("17987547480")}, No},
        {&S::Light_hour, "lh", {times("1079252848800")}, No},
        {&S::Light_day, "ld", {times("25902068371200")}, No},
        {&S::Light_year, "ly", {times("9460730472580800")}, No},
        {&S::Parsec, "pc", {times("30856775814913700")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& massUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Imperial_ton_Long_ton, "tn. l.", {times("1016046.9088")}, No},
        {&S::Tonne, "t", {times("1000000")}, No},
        {&S::US_Ton_Short_Ton, "tn. sh.", {times("907184.74")}, No},
        {english(&S::Stone), "st", {times("6350.29318")}, No},
        {&S::Kilogram, "kg", {times("1000")}, Yes},
        {&S::Pound, "lb", {times("453.59237")}, Yes},
        {&S::Ounce, "oz.", {times("28.349523125")}, Yes},
        {&S::Gram, "g", {times("1")}, Yes},
        {&S::Milligram, "mg", {times("0.001")}, Yes},
        {&S::Microgram, "μg", {times("0.000001")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& volumeUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Cubic_meter, "m³", {times("1000")}, No},
        {&S::Cubic_foot, "ft3", {times("28.316846592")}, No},
        {&S::Imperial_gallon, "Imp.gal.", {times("4.54609")}, Yes},
        {&S::US_liquid_gallon, "US.liq.gal.", {times("3.785411784")}, Yes},
        {&S::US_dry_gallon, "US.dry.gal.", {times("4.40488377086")}, No},
        {&S::Imperial_quart, "Imp.qt.", {times("1.1365225")}, No},
        {&S::Liter, "l", {times("1")}, Yes},
        {&S::US_liquid_quart, "US.liq.qt.", {times("0.946352946")}, Yes},
        {&S::Imperial_pint, "Imp.pt.", {times("0.56826125")}, No},
        {&S::US_liquid_pint, "US.liq.pt.", {times("0.473176473")}, Yes},
        {&S::Imperial_cup, "Imp.cup", {times("0.284130642624675")}, No},
        {&S::US_Legal_cup, "US legal cup", {times("0.24")}, No},
        {&S::Deciliter, "dl", {times("0.1")}, No},
        {&S::US_Fluid_ounce, "US fl.oz.", {times("0.0295735295625")}, No},
        {&S::Imperial_tablespoon, "Imp.Tbsp.", {times("0.0177581640625")}, No},
        {&S::Cubic_inch, "in3", {times("0.016387064")}, No},
        {&S::Metric_tablespoon, &S::Metric_Tbsp, {times("0.015")}, No},
        {&S::US_Tablespoon, "US Tbsp.", {times("0.0147867647825")}, No},
        {&S::US_Teaspoon, "US tsp.", {times("0.00492892159375")}, No},
        {&S::Milliliter, "ml", {times("0.001")}, Yes},
    };
    return rows;
}

const std::vector<UnitRow>& speedUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Miles_per_hour, "mph", {times("0.44704")}, Yes},
        {&S::Kilometer_per_hour, "km/h", {timesQuotient("1", "3.6")}, Yes},
        {&S::Meter_per_second, "m/s", {times("1")}, No},
        {english(&S::Foot_per_second), "ft/s", {times("0.3048")}, No},
        {&S::Knot, "kn", {times("0.514444")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& areaUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Square_mile, "mi²", {times("2589988.110336")}, Yes},
        {&S::Square_kilometer, "km²", {times("1000000")}, Yes},
        {&S::Square_meter, "m²", {times("1")}, Yes},
        {&S::Hectare, "ha", {times("10000")}, Yes},
        {&S::Acre, "ac", {times("4046.8564224")}, Yes},
        {&S::Square_centimeter, "cm²", {times("0.0001")}, No},
        {&S::Square_millimeter, "mm²", {times("0.000001")}, No},
        {english(&S::Square_inch), "in²", {times("0.00064516")}, No},
        {english(&S::Square_yard), "yd²", {times("0.83612736")}, No},
        {english(&S::Square_foot), "ft²", {times("0.09290304")}, No},
        {&S::qǐng_area, "顷 / 頃", {times("66666.66666666666666666666")}, No},
        {&S::mǔ_area, "亩 / 畝", {times("666.66666666666666666666666")}, InSimplifiedChinese},
        {&S::fēn_area, "市分", {times("66.666666666666666666666666")}, No},
        {&S::lí_area, "厘 / 釐", {times("6.6666666666666666666666666")}, No},
        {&S::háo_area, "毫", {times("0.66666666666666666666666666")}, No},
        {&S::Taiwan_Lê, "Lê", {times("5868000"), dividedBy("121")}, InTraditionalChinese},
        {&S::Taiwan_Kah, "Kah", {times("1173600"), dividedBy("121")}, InTraditionalChinese},
        {&S::Taiwan_Hun, "Hun", {times("117360"), dividedBy("121")}, InTraditionalChinese},
        {&S::Taiwan_Bó͘, "Bó\u0358", {times("12000"), dividedBy("121")}, InTraditionalChinese},
        {&S::Taiwan_Pêⁿ, "Pêⁿ", {times("400"), dividedBy("121")}, InTraditionalChinese},
    };
    return rows;
}

const std::vector<UnitRow>& informationUnits() {
    static const std::vector<UnitRow> rows{
        {"Yobibyte (YiB)", "YiB", {times("9671406556917033397649408")}, No},
        {"Yottabyte (YB)", "YB", {times("8000000000000000000000000")}, No},
        {"Zebibyte (ZiB)", "ZiB", {times("9444732965739290427392")}, No},
        {&S::Zettabyte, "ZB", {times("8000000000000000000000")}, No},
        {"Exbibyte (EiB)", "EiB", {times("9223372036854775808")}, No},
        {&S::Exabyte, "EB", {times("8000000000000000000")}, No},
        {"Pebibyte (PiB)", "PiB", {times("9007199254740992")}, No},
        {&S::Petabyte, "PB", {times("8000000000000000")}, No},
        {"Tebibyte (TiB)", "TiB", {times("8796093022208")}, No},
        {&S::Terabyte, "TB", {times("8000000000000")}, Yes},
        {"Gigibyte (GiB)", "GiB", {times("8589934592")}, No},
        {&S::Gigabyte, "GB", {times("8000000000")}, Yes},
        {"Mebibyte (MiB)", "MiB", {times("8388608")}, No},
        {&S::Megabyte, "MB", {times("8000000")}, Yes},
        {&S::Kibibyte, "KiB", {times("8192")}, No},
        {&S::Kilobyte, "KB", {times("8000")}, No},
        {&S::Byte, "B", {times("8")}, No},
        {&S::Bit, "bit", {times("1")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& pressureUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Bar, "bar", {times("1")}, Yes},
        {&S::Standard_atmosphere, "atm", {times("1.01325")}, No},
        {&S::Pascal, "Pa", {times("0.00001")}, Yes},
        {&S::Hectopascal, "hPa", {times("0.001")}, No},
        {&S::Millibar, "mbar", {times("0.001")}, No},
        {&S::Torr, "Torr", {times("0.001333224")}, No},
        {&S::Millimeter_of_mercury,
         "mmHg",
         {times("0.00133322387415")},
         No,
         ExceptTraditionalChinese},
        {&S::Pounds_per_square_inch, "psi", {times("0.06894757")}, Yes},
    };
    return rows;
}

const std::vector<UnitRow>& powerUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Megawatt, "MW", {times("1000000")}, No},
        {&S::Kilowatt, "kW", {times("1000")}, Yes},
        {&S::Metric_horsepower, firstHorsepowerSymbol, {times("735.49875")}, Yes},
        {&S::Watt, "W", {times("1")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& energyUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Kilocalorie, "kcal", {times("4184")}, No},
        {&S::Kilojoule, "kJ", {times("1000")}, No},
        {&S::Calorie, "cal", {times("4.184")}, Yes},
        {&S::Joule, "J", {times("1")}, Yes},
    };
    return rows;
}

const std::vector<UnitRow>& timeUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Year, "y", {times("31536000")}, No},
        {&S::Week, "w", {times("604800")}, No},
        {&S::Day, "d", {times("86400")}, No},
        {&S::Hour, "h", {times("3600")}, Yes},
        {&S::Minute, "min", {times("60")}, Yes},
        {&S::Second, "s", {times("1")}, Yes},
        {&S::Millisecond, "ms", {times("0.001")}, No},
        {&S::Microsecond, "μs", {times("0.000001")}, No},
        {&S::Nanosecond, "ns", {times("0.000000001")}, No},
    };
    return rows;
}

const std::vector<UnitRow>& temperatureUnits() {
    static const std::vector<UnitRow> rows{
        {&S::Celsius, "°C", {plus("273.15")}, Yes},
        {&S::Fahrenheit, "°F", {minus("32"), times("5"), dividedBy("9"), plus("273.15")}, Yes},
        {&S::Kelvin, "K", {times("1")}, No},
    };
    return rows;
}

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
