#include "localization/tables/RomanianStrings.h"

#include <string>

namespace ratio {

// Symbols and names Romanian writes exactly as British English does; China
// and Taiwan are the same words, so the romanized names are too.
const std::vector<std::string_view> RomanianStrings::sameAsBritish = {
    "China",       "Taiwan",     "OK_Yes",       "Euro",       "Inch",       "Parsec",
    "lǐ_length",   "yǐn_length", "zhàng_length", "chǐ_length", "cùn_length", "fēn_length",
    "lí_length",   "háo_length", "qǐng_area",    "mǔ_area",    "fēn_area",   "lí_area",
    "háo_area",    "Stone",      "Kilogram",     "Gram",       "Microgram",  "Taiwan_Lê",
    "Taiwan_Kah",  "Taiwan_Hun", "Taiwan_Bó͘",    "Taiwan_Pêⁿ", "Bar",        "Pascal",
    "Hectopascal", "Torr",       "Megawatt",     "Kilowatt",   "Watt",       "Kilocalorie",
    "Kilojoule",   "Calorie",    "Joule",        "Zettabyte",  "Exabyte",    "Petabyte",
    "Terabyte",    "Gigabyte",   "Megabyte",     "Kibibyte",   "Kilobyte",   "Byte",
    "Bit",         "Kelvin",     "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

RomanianStrings::RomanianStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Miime de inch";
    Angstrom = "Ångström (Å)";
    Fathom = "Stânjen marin";
    Cancel = "Anulați";
    Pick_first_unit = "Alegeți prima unitate";
    Done = "Gata";
    Back = "Înapoi";
    OK_Yes = "OK";
    No = "Nu";
    Share = "Partajați";
    Select_Auswählen = "Selectați";
    Not_Now = "Nu acum";
    Clear = "Ștergeți";
    Search = "Căutați";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dolar american ($, USD)";
    Japanese_yen = "Yen japonez (¥, JPY, 円)";
    // "Sterling" alone names no country, so the region bracket stays.
    UK_Pound_sterling = "[Regatul Unit]\u00A0Liră sterlină (£, GBP)";
    Australian_dollar = "Dolar australian ($A, AUD, $)";
    Canadian_dollar = "Dolar canadian (Can$, CAD, $)";
    Swiss_franc = "Franc elvețian (SFr., CHF, Fr.)";
    Swedish_krona = "Coroană suedeză (Skr, kr, SEK)";
    New_Zealand_dollar = "Dolar neozeelandez (NZ$, NZD, $)";
    Mexican_peso = "Peso mexican (Mex$, MXN, $)";
    Russian_ruble = "Rublă rusească (₽, RUB, руб)";
    Turkish_lira = "Liră turcească (₺, TRY, TL)";
    Indian_rupee = "Rupie indiană (₹, INR)";
    Brazilian_real = "Real brazilian (R$, BRL)";
    South_Korean_won = "Won sud-coreean (₩, KRW)";
    Bulgarian_lev = "Leva bulgărească (лв, BGN)";
    Czech_koruna = "Coroană cehă (Kč, CZK)";
    Danish_krone = "Coroană daneză (kr., DKK, dkr.)";
    Hungarian_forint = "Forint maghiar (Ft, HUF)";
    Polish_złoty = "Zlot polonez (zł, PLN)";
    Romanian_leu = "Leu românesc (L, RON)";
    Hong_Kong_dollar = "Dolar din Hong Kong (HK$, HKD)";
    Norwegian_krone = "Coroană norvegiană (NOK, kr)";
    Icelandic_króna = "Coroană islandeză (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croată (HRK, kn)";
    Indonesian_rupiah = "Rupie indoneziană (IDR, Rp)";
    Israeli_new_shekel = "Șechel israelian nou (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malaiezian (MYR, RM)";
    Philippine_peso = "Peso filipinez (PHP, ₱)";
    Singapore_dollar = "Dolar singaporez (SGD, S$, $)";
    Thai_baht = "Baht thailandez (THB, ฿)";
    South_African_rand = "Rand sud-african (ZAR, R)";
    Unit = "Unitate";
    Currency = "Monedă";
    Pick_first_currency = "Alegeți prima monedă";
    Pick_second_currency = "Alegeți a doua monedă";
    Length = "Lungime";
    Pick_first_length = "Alegeți prima unitate de lungime";
    Pick_second_length = "Alegeți a doua unitate de lungime";
    Speed = "Viteză";
    Pick_first_speed = "Alegeți prima unitate de viteză";
    Pick_second_speed = "Alegeți a doua unitate de viteză";
    Mass = "Masă";
    Pick_first_mass_unit = "Alegeți prima unitate de masă";
    Pick_second_mass_unit = "Alegeți a doua unitate de masă";
    Area = "Suprafață";
    Pick_first_area_unit = "Alegeți prima unitate de suprafață";
    Pick_second_area_unit = "Alegeți a doua unitate de suprafață";
    Units_of_information = "Unități de informație";
    Pick_first_unit_of_information = "Alegeți prima unitate de informație";
    Pick_second_unit_of_information = "Alegeți a doua unitate de informație";
    Volume = "Volum";
    Pick_first_volume = "Alegeți prima unitate de volum";
    Pick_second_volume = "Alegeți a doua unitate de volum";
    Pressure = "Presiune";
    Pick_first_pressure_unit = "Alegeți prima unitate de presiune";
    Pick_second_pressure_unit = "Alegeți a doua unitate de presiune";
    Power = "Putere";
    Pick_first_power_unit = "Alegeți prima unitate de putere";
    Pick_second_power_unit = "Alegeți a doua unitate de putere";
    Energy = "Energie";
    Pick_first_energy_unit = "Alegeți prima unitate de energie";
    Pick_second_energy_unit = "Alegeți a doua unitate de energie";
    Time = "Timp";
    Pick_first_time_unit = "Alegeți prima unitate de timp";
    Pick_second_time_unit = "Alegeți a doua unitate de timp";
    Fuel_consumption = "Consum de combustibil";
    Pick_first_consumption_unit = "Alegeți prima unitate de consum";
    Pick_second_consumption_unit = "Alegeți a doua unitate de consum";
    US_Miles_per_gallon = "[US]\u00A0Mile pe galon";
    Miles_per_liter = "Mile pe litru";
    Mile = "Milă (mile, mi)";
    Kilometer = "Kilometru (km)";
    Meter = "Metru (m)";
    Yard = "Iard (yd)";
    Foot = "Picior (ft)";
    Decimeter = "Decimetru (dm)";
    Inch = "Inch";
    Centimeter = "Centimetru (cm)";
    Millimeter = "Milimetru (mm)";
    Micrometer = "Micrometru (μm)";
    Nanometer = "Nanometru (nm)";
    Nautical_mile = "Milă marină (M, NM)";
    Light_second = "Secundă-lumină";
    Light_minute = "Minut-lumină (lm)";
    Light_hour = "Oră-lumină (lh)";
    Light_day = "Zi-lumină (ld)";
    Light_year = "An-lumină (al, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Mile pe oră (mph, mi/h)";
    Kilometer_per_hour = "Kilometri pe oră (km/h)";
    Meter_per_second = "Metru pe secundă (m/s, mps)";
    Foot_per_second = "Picior pe secundă";
    Knot = "Nod (kn, kt)";
    Imperial_ton_Long_ton = "Tonă lungă (tn. l., ts)";
    Tonne = "Tonă";
    US_Ton_Short_Ton = "[US] Tonă scurtă (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Livră (lb)";
    Ounce = "Uncie (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Microgram (μg)";
    Square_mile = "Milă pătrată (mi², sqmi)";
    Square_kilometer = "Kilometru pătrat (km²)";
    Square_meter = "Metru pătrat (m²)";
    Hectare = "Hectar (ha)";
    Acre = "Acru (ac)";
    Square_centimeter = "Centimetru pătrat (cm²)";
    Square_millimeter = "Milimetru pătrat (mm²)";
    Square_inch = "Inch pătrat";
    Square_yard = "Iard pătrat";
    Square_foot = "Picior pătrat";
    Cubic_meter = "Metru cub (m³)";
    Imperial_gallon = "Galon imperial";
    US_liquid_gallon = "Galon american (US.liq.gal.)";
    US_dry_gallon = "Galon american pentru solide (US.dry.gal.)";
    Imperial_quart = "Quart imperial";
    Imperial_pint = "Pintă imperială";
    Liter = "Litru (l)";
    US_liquid_quart = "Quart american (US.liq.qt.)";
    US_liquid_pint = "Pintă americană (US.liq.pt.)";
    US_Fluid_ounce = "[US] Uncie lichidă";
    Imperial_cup = "Cană imperială";
    Deciliter = "Decilitru (dl)";
    Milliliter = "Mililitru (ml)";
    US_Legal_cup = "[US] Cană legală";
    Cubic_foot = "Picior cubic (ft3, cft)";
    Cubic_inch = "Inch cubic (in3, cuin)";
    US_Tablespoon = "[US] Lingură";
    US_Teaspoon = "[US] Linguriță";
    Imperial_tablespoon = "Lingură imperială";
    Metric_tablespoon = "Lingură metrică";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosferă standard (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimetru coloană de mercur";
    Pounds_per_square_inch = "Livră pe inch pătrat (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Romanian writes CP (cal putere); the row keeps hp(M).
    Metric_horsepower = "Cal putere (CP, hp(M))";
    Watt = "Watt (W)";
    Year = "An";
    Week = "Săptămână (w)";
    Day = "Zi (d)";
    Hour = "Oră (h)";
    Minute = "Minut (min)";
    Second = "Secundă (s)";
    Millisecond = "Milisecundă (ms)";
    Microsecond = "Microsecundă (μs)";
    Nanosecond = "Nanosecundă (ns)";
    Kilocalorie = "Kilocalorie";
    Kilojoule = "Kilojoule";
    Calorie = "Calorie";
    Joule = "Joule";
    Temperature = "Temperatură";
    Celsius = "Grad Celsius";
    Fahrenheit = "Grad Fahrenheit";
    Pick_first_temperature = "Alegeți prima unitate de temperatură";
    Pick_second_temperature = "Alegeți a doua unitate de temperatură";
    // Recipes shorten lingură, the 15 ml spoon, to "lg.".
    Metric_Tbsp = "lg.";
    Unit_of_measurement = "Unitate de măsură";
    Conversion_of_units = "Conversie de unități";

    // From 20 on (but 101 to 119 and so on) Romanian puts "de" before the noun.
    NUM_more_currencies = "one{Încă %i monedă} few{Încă %i monede} other{Încă %i de monede}";
    const auto moreUnitsOf = [](const std::string& what) {
        return "one{Încă %i unitate de " + what + "} few{Încă %i unități de " + what +
               "} other{Încă %i de unități de " + what + "}";
    };
    NUM_more_lengths = moreUnitsOf("lungime");
    NUM_more_speed_units = moreUnitsOf("viteză");
    NUM_more_mass_units = moreUnitsOf("masă");
    NUM_more_area_units = moreUnitsOf("suprafață");
    NUM_more_units_of_information = moreUnitsOf("informație");
    NUM_more_volumes = moreUnitsOf("volum");
    NUM_more_pressure_units = moreUnitsOf("presiune");
    NUM_more_power_units = moreUnitsOf("putere");
    NUM_more_energy_units = moreUnitsOf("energie");
    NUM_more_time_units = moreUnitsOf("timp");
    NUM_more_temperatures = moreUnitsOf("temperatură");
    NUM_more_consumption_units = moreUnitsOf("consum");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copiați";
    E_mail = "E-mail";
    Paste = "Lipiți";
    Key_plus = "Plus";
    Key_plus_hint = "Adunați numărul următor";
    Key_minus = "Minus";
    Key_minus_hint = "Scădeți numărul următor";
    Key_times = "Înmulțit cu";
    Key_times_hint = "Înmulțiți cu numărul următor";
    Key_divide = "Împărțit la";
    Key_divide_hint = "Împărțiți la numărul următor";
    Key_equals = "Egal";
    Key_equals_hint = "Afișați rezultatul";
    Key_clear = "Ștergeți";
    Key_clear_hint = "Aduceți ambele rânduri la zero";
    Key_change_sign = "Schimbați semnul";
    Key_change_sign_hint = "Schimbați semnul numărului";
    Key_decimal_separator = "Separator zecimal";
    Key_decimal_separator_hint = "Începeți zecimalele";
    Key_switch_units = "Inversați unitățile";
    Key_switch_units_hint = "Schimbați între ele cele două unități";
    Key_choose_units = "Alegeți unitățile";
    Key_choose_units_hint = "Alegeți cele două unități";
    Key_calculator = "Calculator";
    Key_calculator_hint = "Modul calculator";
    Key_converter = "Convertor";
    Key_converter_hint = "Modul convertor";
    Currency_rates_not_downloaded =
        "Încă nu există cursuri valutare. Sosesc imediat ce Ratio este online.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Yuan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
