#include "localization/EnglishBritishStrings.h"

#include "localization/CategoryTexts.h"

#include <array>

namespace ratio {

namespace {

struct RegionalName {
    std::string LocalizedStrings::*field;
    bool taiwanese;
    const char* rest;
};

const std::array<RegionalName, 19> regionalNames{{
    {&LocalizedStrings::China_Renminbi, false, "Renminbi (元, CNY, RMB¥, CNH)"},
    {&LocalizedStrings::lǐ_length, false, "lǐ"},
    {&LocalizedStrings::yǐn_length, false, "yǐn"},
    {&LocalizedStrings::zhàng_length, false, "zhàng"},
    {&LocalizedStrings::chǐ_length, false, "chǐ"},
    {&LocalizedStrings::cùn_length, false, "cùn"},
    {&LocalizedStrings::fēn_length, false, "fēn"},
    {&LocalizedStrings::lí_length, false, "lí"},
    {&LocalizedStrings::háo_length, false, "háo"},
    {&LocalizedStrings::qǐng_area, false, "qǐng"},
    {&LocalizedStrings::mǔ_area, false, "mǔ"},
    {&LocalizedStrings::fēn_area, false, "fēn"},
    {&LocalizedStrings::lí_area, false, "lí"},
    {&LocalizedStrings::háo_area, false, "háo"},
    {&LocalizedStrings::Taiwan_Lê, true, "犁 / Lê / Lài / Lí"},
    {&LocalizedStrings::Taiwan_Kah, true, "甲 / Kah / Kap / Jiǎ"},
    {&LocalizedStrings::Taiwan_Hun, true, "分 / Hun / Fûn / Fēn"},
    {&LocalizedStrings::Taiwan_Bó͘, true, "畝 / Bó\u0358 / Méu / Mǔ"},
    {&LocalizedStrings::Taiwan_Pêⁿ, true, "坪 / Pêⁿ / Phiàng / Píng"},
}};

} // namespace

EnglishBritishStrings::EnglishBritishStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Thousandth of an inch";
    Angstrom = "Angstrom (Å)";
    Fathom = "Fathom";
    Cancel = "Cancel";
    Pick_first_unit = "Pick first unit";
    Done = "Done";
    Back = "Back";
    OK_Yes = "OK";
    No = "No";
    Share = "Share";
    Select_Auswählen = "Select";
    Not_Now = "Not Now";
    Clear = "Clear";
    Search = "Search";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "United States dollar ($, USD)";
    Japanese_yen = "Japanese yen (¥, JPY, 円)";
    UK_Pound_sterling = "[UK]\u00A0Pound sterling (£, GBP)";
    Australian_dollar = "Australian dollar ($A, AUD, $)";
    Canadian_dollar = "Canadian dollar (Can$, CAD, $)";
    Swiss_franc = "Swiss franc (SFr., CHF, Fr.)";
    Swedish_krona = "Swedish krona (Skr, kr, SEK)";
    New_Zealand_dollar = "New Zealand dollar (NZ$, NZD, $)";
    Mexican_peso = "Mexican peso (Mex$, MXN, $)";
    Russian_ruble = "Russian ruble (₽, RUB, руб)";
    Turkish_lira = "Turkish lira (₺, TRY, TL)";
    Indian_rupee = "Indian rupee (₹, INR)";
    Brazilian_real = "Brazilian real (R$, BRL)";
    South_Korean_won = "South Korean won (₩, KRW)";
    Bulgarian_lev = "Bulgarian lev (лв, BGN)";
    Czech_koruna = "Czech koruna (Kč, CZK)";
    Danish_krone = "Danish krone (kr., DKK, dkr.)";
    Hungarian_forint = "Hungarian forint (Ft, HUF)";
    Polish_złoty = "Polish złoty (zł, PLN)";
    Romanian_leu = "Romanian leu (L, RON)";
    Hong_Kong_dollar = "Hong Kong dollar (HK$, HKD)";
    Norwegian_krone = "Norwegian krone (NOK, kr)";
    Icelandic_króna = "Icelandic króna (ISK, kr, ikr)";
    Croatian_kuna = "Croatian kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesian rupiah (IDR, Rp)";
    Israeli_new_shekel = "Israeli new shekel (ILS, ₪)";
    Malaysian_ringgit = "Malaysian ringgit (MYR, RM)";
    Philippine_peso = "Philippine peso (PHP, ₱)";
    Singapore_dollar = "Singapore dollar (SGD, S$, $)";
    Thai_baht = "Thai baht (THB, ฿)";
    South_African_rand = "South African rand (ZAR, R)";
    Unit = "Unit";
    Currency = "Currency";
    NUM_more_currencies = "one{%i more currency} other{%i more currencies}";
    Pick_first_currency = "Pick first currency";
    Pick_second_currency = "Pick second currency";
    Length = "Length";
    NUM_more_lengths = "one{%i more length} other{%i more lengths}";
    Pick_first_length = "Pick first length";
    Pick_second_length = "Pick second length";
    Speed = "Speed";
    NUM_more_speed_units = "one{%i more speed unit} other{%i more speed units}";
    Pick_first_speed = "Pick first speed";
    Pick_second_speed = "Pick second speed";
    Mass = "Mass";
    NUM_more_mass_units = "one{%i more mass unit} other{%i more mass units}";
    Pick_first_mass_unit = "Pick first mass unit";
    Pick_second_mass_unit = "Pick second mass unit";
    Area = "Area";
    NUM_more_area_units = "one{%i more area unit} other{%i more area units}";
    Pick_first_area_unit = "Pick first area unit";
    Pick_second_area_unit = "Pick second area unit";
    Units_of_information = "Units of information";
    NUM_more_units_of_information =
        "one{%i more unit of information} other{%i more units of information}";
    Pick_first_unit_of_information = "Pick first unit of information";
    Pick_second_unit_of_information = "Pick second unit of information";
    Volume = "Volume";
    NUM_more_volumes = "one{%i more volume} other{%i more volumes}";
    Pick_first_volume = "Pick first volume";
    Pick_second_volume = "Pick second volume";
    Pressure = "Pressure";
    NUM_more_pressure_units = "one{%i more pressure unit} other{%i more pressure units}";
    Pick_first_pressure_unit = "Pick first pressure unit";
    Pick_second_pressure_unit = "Pick second pressure unit";
    Power = "Power";
    NUM_more_power_units = "one{%i more power unit} other{%i more power units}";
    Pick_first_power_unit = "Pick first power unit";
    Pick_second_power_unit = "Pick second power unit";
    Energy = "Energy";
    NUM_more_energy_units = "one{%i more energy unit} other{%i more energy units}";
    Pick_first_energy_unit = "Pick first energy unit";
    Pick_second_energy_unit = "Pick second energy unit";
    Time = "Time";
    NUM_more_time_units = "one{%i more time unit} other{%i more time units}";
    Pick_first_time_unit = "Pick first time unit";
    Pick_second_time_unit = "Pick second time unit";
    Fuel_consumption = "Fuel consumption";
    NUM_more_consumption_units = "one{%i more consumption unit} other{%i more consumption units}";
    Pick_first_consumption_unit = "Pick first consumption unit";
    Pick_second_consumption_unit = "Pick second consumption unit";
    US_Miles_per_gallon = "[US]\u00A0Miles per gallon";
    Miles_per_liter = "Miles per litre";
    Mile = "Mile (mile, mi)";
    Kilometer = "Kilometre (km)";
    Meter = "Metre (m)";
    Yard = "Yard (yd)";
    Foot = "Foot (ft)";
    Decimeter = "Decimetre (dm)";
    Inch = "Inch";
    Centimeter = "Centimetre (cm)";
    Millimeter = "Millimetre (mm)";
    Micrometer = "Micrometre (μm)";
    Nanometer = "Nanometre (nm)";
    Nautical_mile = "Nautical mile (M, NM)";
    Light_second = "Light-second";
    Light_minute = "Light-minute (lm)";
    Light_hour = "Light-hour (lh)";
    Light_day = "Light-day (ld)";
    Light_year = "Light-year (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Miles per hour (mph, mi/h)";
    Kilometer_per_hour = "Kilometres per hour (km/h)";
    Meter_per_second = "Metre per second (m/s, mps)";
    Foot_per_second = "Foot per second";
    Knot = "Knot (kn, kt)";
    Imperial_ton_Long_ton = "Imperial ton / Long ton (tn. l., ts)";
    Tonne = "Tonne";
    US_Ton_Short_Ton = "[US] Ton / Short ton (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Pound (lb)";
    Ounce = "Ounce (oz.)";
    Gram = "Gram (g)";
    Milligram = "Milligram (mg)";
    Microgram = "Microgram (μg)";
    Square_mile = "Square mile (mi², sqmi)";
    Square_kilometer = "Square kilometre (km²)";
    Square_meter = "Square metre (m²)";
    Hectare = "Hectare (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Square centimetre (cm²)";
    Square_millimeter = "Square millimetre (mm²)";
    Square_inch = "Square inch";
    Square_yard = "Square yard";
    Square_foot = "Square foot";
    Cubic_meter = "Cubic metre (m³)";
    Imperial_gallon = "Imperial gallon";
    US_liquid_gallon = "US liquid gallon (US.liq.gal.)";
    US_dry_gallon = "US dry gallon (US.dry.gal.)";
    Imperial_quart = "Imperial quart";
    Imperial_pint = "Imperial pint";
    Liter = "Litre (l)";
    US_liquid_quart = "US liquid quart (US.liq.qt.)";
    US_liquid_pint = "US liquid pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Fluid ounce";
    Imperial_cup = "Imperial cup";
    Deciliter = "Decilitre (dl)";
    Milliliter = "Millilitre (ml)";
    US_Legal_cup = "[US] Legal cup";
    Cubic_foot = "Cubic foot (ft3, cft)";
    Cubic_inch = "Cubic inch (in3, cuin)";
    US_Tablespoon = "[US] Tablespoon";
    US_Teaspoon = "[US] Teaspoon";
    Imperial_tablespoon = "Imperial tablespoon";
    Metric_tablespoon = "Metric tablespoon";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standard atmosphere (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimetre of mercury";
    Pounds_per_square_inch = "Pounds per square inch (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    Metric_horsepower = "Metric horsepower (hp(M))";
    Watt = "Watt (W)";
    Year = "Year";
    Week = "Week (w)";
    Day = "Day (d)";
    Hour = "Hour (h)";
    Minute = "Minute (min)";
    Second = "Second (s)";
    Millisecond = "Millisecond (ms)";
    Microsecond = "Microsecond (μs)";
    Nanosecond = "Nanosecond (ns)";
    Kilocalorie = "Kilocalorie";
    Kilojoule = "Kilojoule";
    Calorie = "Calorie";
    Joule = "Joule";
    Zettabyte = "Zettabyte";
    Exabyte = "Exabyte";
    Petabyte = "Petabyte";
    Terabyte = "Terabyte";
    Gigabyte = "Gigabyte";
    Megabyte = "Megabyte";
    Kibibyte = "Kibibyte";
    Kilobyte = "Kilobyte";
    Byte = "Byte";
    Bit = "Bit (bit, b)";
    Temperature = "Temperature";
    Celsius = "Celsius";
    Fahrenheit = "Fahrenheit";
    Kelvin = "Kelvin";
    NUM_more_temperatures = "one{%i more temperature} other{%i more temperatures}";
    Pick_first_temperature = "Pick first temperature";
    Pick_second_temperature = "Pick second temperature";
    Metric_Tbsp = "Metric Tbsp.";
    Unit_of_measurement = "Unit of measurement";
    Conversion_of_units = "Conversion of units";
    Copy = "Copy";
    E_mail = "E-mail";
    Paste = "Paste";
    Key_plus = "plus";
    Key_plus_hint = "add the next number";
    Key_minus = "minus";
    Key_minus_hint = "subtract the next number";
    Key_times = "times";
    Key_times_hint = "multiply by the next number";
    Key_divide = "divide";
    Key_divide_hint = "divide by the next number";
    Key_equals = "equals";
    Key_equals_hint = "show the result";
    Key_clear = "clear";
    Key_clear_hint = "set both rows to zero";
    Key_change_sign = "change sign";
    Key_change_sign_hint = "negate the number";
    Key_decimal_separator = "decimal separator";
    Key_decimal_separator_hint = "start the decimal places";
    Key_switch_units = "switch units";
    Key_switch_units_hint = "exchange the two units";
    Key_choose_units = "choose units";
    Key_choose_units_hint = "pick the two units";
    Key_calculator = "calculator";
    Key_calculator_hint = "calculator mode";
    Key_converter = "converter";
    Key_converter_hint = "converter mode";
    Currency_rates_not_downloaded =
        "No currency rates downloaded yet. They come as soon as Ratio is online.";
    History = "History";
    Clear_history = "Clear history";
    Clear_history_question = "Clear the whole history? This cannot be undone.";
    No_history_yet = "No history yet";
    hp_M = {"hp(M)"};
    shouldUseSimpleLocalisation = false;
    composeRegionalNames();
}

void EnglishBritishStrings::composeRegionalNames(const std::vector<RegionalRest>& translatedRests) {
    for (const RegionalName& name : regionalNames) {
        std::string rest = name.rest;
        for (const auto& [field, translated] : translatedRests)
            if (field == name.field)
                rest = translated;
        this->*name.field = "[" + (name.taiwanese ? Taiwan : China) + "] " + rest;
    }
}

void EnglishBritishStrings::composeCategoryTexts(const Composer& more, const Composer& first,
                                                 const Composer& second) {
    for (const CategoryTexts& category : categoryTexts()) {
        if (category.name == &LocalizedStrings::Currency)
            continue;
        const std::string& name = this->*category.name;
        this->*category.moreUnits = more(name);
        this->*category.pickFirst = first(name);
        this->*category.pickSecond = second(name);
    }
}

} // namespace ratio
