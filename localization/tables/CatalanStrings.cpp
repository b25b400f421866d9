#include "localization/tables/CatalanStrings.h"

namespace ratio {

// Symbols and names Catalan writes exactly as British English does; Taiwan
// is the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> CatalanStrings::sameAsBritish = {
    "Taiwan",    "No",        "Euro",       "Meter",       "Parsec",    "Gram",       "Microgram",
    "Acre",      "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun",  "Taiwan_Bó͘", "Taiwan_Pêⁿ", "Liter",
    "Deciliter", "Bar",       "Pascal",     "Hectopascal", "Torr",      "Megawatt",   "Watt",
    "Joule",     "Zettabyte", "Exabyte",    "Petabyte",    "Terabyte",  "Gigabyte",   "Megabyte",
    "Kibibyte",  "Byte",      "Bit",        "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

CatalanStrings::CatalanStrings() {
    China = "Xina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Mil·lèsima de polzada";
    Angstrom = "Àngstrom (Å)";
    Fathom = "Braça";
    Cancel = "Cancel·la";
    Pick_first_unit = "Tria la primera unitat";
    Done = "Fet";
    Back = "Enrere";
    OK_Yes = "D’acord";
    No = "No";
    Share = "Comparteix";
    Select_Auswählen = "Selecciona";
    Not_Now = "Ara no";
    Clear = "Esborra";
    Search = "Cerca";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dòlar dels Estats Units ($, USD)";
    Japanese_yen = "Ien japonès (¥, JPY, 円)";
    // "Sterling" alone names no country, so the region bracket stays.
    UK_Pound_sterling = "[Regne Unit]\u00A0Lliura esterlina (£, GBP)";
    Australian_dollar = "Dòlar australià ($A, AUD, $)";
    Canadian_dollar = "Dòlar canadenc (Can$, CAD, $)";
    Swiss_franc = "Franc suís (SFr., CHF, Fr.)";
    Swedish_krona = "Corona sueca (Skr, kr, SEK)";
    New_Zealand_dollar = "Dòlar neozelandès (NZ$, NZD, $)";
    Mexican_peso = "Peso mexicà (Mex$, MXN, $)";
    Russian_ruble = "Ruble rus (₽, RUB, руб)";
    Turkish_lira = "Lira turca (₺, TRY, TL)";
    Indian_rupee = "Rupia índia (₹, INR)";
    Brazilian_real = "Real brasiler (R$, BRL)";
    South_Korean_won = "Won sud-coreà (₩, KRW)";
    Bulgarian_lev = "Lev búlgar (лв, BGN)";
    Czech_koruna = "Corona txeca (Kč, CZK)";
    Danish_krone = "Corona danesa (kr., DKK, dkr.)";
    Hungarian_forint = "Fòrint hongarès (Ft, HUF)";
    Polish_złoty = "Zloty polonès (zł, PLN)";
    Romanian_leu = "Leu romanès (L, RON)";
    Hong_Kong_dollar = "Dòlar de Hong Kong (HK$, HKD)";
    Norwegian_krone = "Corona noruega (NOK, kr)";
    Icelandic_króna = "Corona islandesa (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croata (HRK, kn)";
    Indonesian_rupiah = "Rupia indonèsia (IDR, Rp)";
    Israeli_new_shekel = "Nou xéquel israelià (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malaisi (MYR, RM)";
    Philippine_peso = "Peso filipí (PHP, ₱)";
    Singapore_dollar = "Dòlar de Singapur (SGD, S$, $)";
    Thai_baht = "Baht tailandès (THB, ฿)";
    South_African_rand = "Rand sud-africà (ZAR, R)";
    Unit = "Unitat";
    Currency = "Moneda";
    NUM_more_currencies = "one{%i moneda més} other{%i monedes més}";
    Pick_first_currency = "Tria la primera moneda";
    Pick_second_currency = "Tria la segona moneda";
    Length = "Longitud";
    NUM_more_lengths = "one{%i unitat de longitud més} other{%i unitats de longitud més}";
    Pick_first_length = "Tria la primera longitud";
    Pick_second_length = "Tria la segona longitud";
    Speed = "Velocitat";
    NUM_more_speed_units = "one{%i unitat de velocitat més} other{%i unitats de velocitat més}";
    Pick_first_speed = "Tria la primera velocitat";
    Pick_second_speed = "Tria la segona velocitat";
    Mass = "Massa";
    NUM_more_mass_units = "one{%i unitat de massa més} other{%i unitats de massa més}";
    Pick_first_mass_unit = "Tria la primera unitat de massa";
    Pick_second_mass_unit = "Tria la segona unitat de massa";
    Area = "Superfície";
    NUM_more_area_units = "one{%i unitat de superfície més} other{%i unitats de superfície més}";
    Pick_first_area_unit = "Tria la primera unitat de superfície";
    Pick_second_area_unit = "Tria la segona unitat de superfície";
    Units_of_information = "Unitats d’informació";
    NUM_more_units_of_information =
        "one{%i unitat d’informació més} other{%i unitats d’informació més}";
    Pick_first_unit_of_information = "Tria la primera unitat d’informació";
    Pick_second_unit_of_information = "Tria la segona unitat d’informació";
    Volume = "Volum";
    NUM_more_volumes = "one{%i unitat de volum més} other{%i unitats de volum més}";
    Pick_first_volume = "Tria la primera unitat de volum";
    Pick_second_volume = "Tria la segona unitat de volum";
    Pressure = "Pressió";
    NUM_more_pressure_units = "one{%i unitat de pressió més} other{%i unitats de pressió més}";
    Pick_first_pressure_unit = "Tria la primera unitat de pressió";
    Pick_second_pressure_unit = "Tria la segona unitat de pressió";
    Power = "Potència";
    NUM_more_power_units = "one{%i unitat de potència més} other{%i unitats de potència més}";
    Pick_first_power_unit = "Tria la primera unitat de potència";
    Pick_second_power_unit = "Tria la segona unitat de potència";
    Energy = "Energia";
    NUM_more_energy_units = "one{%i unitat d’energia més} other{%i unitats d’energia més}";
    Pick_first_energy_unit = "Tria la primera unitat d’energia";
    Pick_second_energy_unit = "Tria la segona unitat d’energia";
    Time = "Temps";
    NUM_more_time_units = "one{%i unitat de temps més} other{%i unitats de temps més}";
    Pick_first_time_unit = "Tria la primera unitat de temps";
    Pick_second_time_unit = "Tria la segona unitat de temps";
    Fuel_consumption = "Consum de combustible";
    NUM_more_consumption_units = "one{%i unitat de consum més} other{%i unitats de consum més}";
    Pick_first_consumption_unit = "Tria la primera unitat de consum";
    Pick_second_consumption_unit = "Tria la segona unitat de consum";
    US_Miles_per_gallon = "[US]\u00A0Milles per galó";
    Miles_per_liter = "Milles per litre";
    Mile = "Milla (mile, mi)";
    Kilometer = "Quilòmetre (km)";
    Meter = "Metre (m)";
    Yard = "Iarda (yd)";
    Foot = "Peu (ft)";
    Decimeter = "Decímetre (dm)";
    Inch = "Polzada";
    Centimeter = "Centímetre (cm)";
    Millimeter = "Mil·límetre (mm)";
    Micrometer = "Micròmetre (μm)";
    Nanometer = "Nanòmetre (nm)";
    Nautical_mile = "Milla nàutica (M, NM)";
    Light_second = "Segon llum";
    Light_minute = "Minut llum (lm)";
    Light_hour = "Hora llum (lh)";
    Light_day = "Dia llum (ld)";
    Light_year = "Any llum (al, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Milles per hora (mph, mi/h)";
    Kilometer_per_hour = "Quilòmetres per hora (km/h)";
    Meter_per_second = "Metre per segon (m/s, mps)";
    Foot_per_second = "Peu per segon";
    Knot = "Nus (kn, kt)";
    Imperial_ton_Long_ton = "Tona llarga (tn. l., ts)";
    Tonne = "Tona";
    US_Ton_Short_Ton = "[US] Tona curta (tn. sh.)";
    Stone = "Pedra";
    Kilogram = "Quilogram (kg)";
    Pound = "Lliura (lb)";
    Ounce = "Unça (oz.)";
    Gram = "Gram (g)";
    Milligram = "Mil·ligram (mg)";
    Microgram = "Microgram (μg)";
    Square_mile = "Milla quadrada (mi², sqmi)";
    Square_kilometer = "Quilòmetre quadrat (km²)";
    Square_meter = "Metre quadrat (m²)";
    Hectare = "Hectàrea (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Centímetre quadrat (cm²)";
    Square_millimeter = "Mil·límetre quadrat (mm²)";
    Square_inch = "Polzada quadrada";
    Square_yard = "Iarda quadrada";
    Square_foot = "Peu quadrat";
    Cubic_meter = "Metre cúbic (m³)";
    Imperial_gallon = "Galó imperial";
    US_liquid_gallon = "Galó líquid dels EUA (US.liq.gal.)";
    US_dry_gallon = "Galó sec dels EUA (US.dry.gal.)";
    Imperial_quart = "Quart imperial";
    Imperial_pint = "Pinta imperial";
    Liter = "Litre (l)";
    US_liquid_quart = "Quart líquid dels EUA (US.liq.qt.)";
    US_liquid_pint = "Pinta líquida dels EUA (US.liq.pt.)";
    US_Fluid_ounce = "[US] Unça líquida";
    Imperial_cup = "Tassa imperial";
    Deciliter = "Decilitre (dl)";
    Milliliter = "Mil·lilitre (ml)";
    US_Legal_cup = "[US] Tassa legal";
    Cubic_foot = "Peu cúbic (ft3, cft)";
    Cubic_inch = "Polzada cúbica (in3, cuin)";
    US_Tablespoon = "[US] Cullerada";
    US_Teaspoon = "[US] Culleradeta";
    Imperial_tablespoon = "Cullerada imperial";
    Metric_tablespoon = "Cullerada mètrica";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfera estàndard (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Mil·libar";
    Torr = "Torr";
    Millimeter_of_mercury = "Mil·límetre de mercuri";
    Pounds_per_square_inch = "Lliura per polzada quadrada (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Quilowatt (kW)";
    // Catalan writes CV (cavall de vapor); the row keeps hp(M).
    Metric_horsepower = "Cavall de vapor (CV, hp(M))";
    Watt = "Watt (W)";
    Year = "Any";
    Week = "Setmana (w)";
    Day = "Dia (d)";
    Hour = "Hora (h)";
    Minute = "Minut (min)";
    Second = "Segon (s)";
    Millisecond = "Mil·lisegon (ms)";
    Microsecond = "Microsegon (μs)";
    Nanosecond = "Nanosegon (ns)";
    Kilocalorie = "Quilocaloria";
    Kilojoule = "Quilojoule";
    Calorie = "Caloria";
    Joule = "Joule";
    Kilobyte = "Quilobyte";
    Temperature = "Temperatura";
    Celsius = "Grau Celsius";
    Fahrenheit = "Grau Fahrenheit";
    NUM_more_temperatures =
        "one{%i unitat de temperatura més} other{%i unitats de temperatura més}";
    Pick_first_temperature = "Tria la primera temperatura";
    Pick_second_temperature = "Tria la segona temperatura";
    // Recipes shorten cullerada, the 15 ml spoon, to "cull.".
    Metric_Tbsp = "cull.";
    Unit_of_measurement = "Unitat de mesura";
    Conversion_of_units = "Conversió d’unitats";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copia";
    E_mail = "Correu";
    Paste = "Enganxa";
    Key_plus = "més";
    Key_plus_hint = "suma el número següent";
    Key_minus = "menys";
    Key_minus_hint = "resta el número següent";
    Key_times = "per";
    Key_times_hint = "multiplica pel número següent";
    Key_divide = "dividit per";
    Key_divide_hint = "divideix pel número següent";
    Key_equals = "igual";
    Key_equals_hint = "mostra el resultat";
    Key_clear = "esborra";
    Key_clear_hint = "posa les dues files a zero";
    Key_change_sign = "canvia el signe";
    Key_change_sign_hint = "converteix el número en el seu oposat";
    Key_decimal_separator = "separador decimal";
    Key_decimal_separator_hint = "comença els decimals";
    Key_switch_units = "intercanvia les unitats";
    Key_switch_units_hint = "inverteix l’ordre de les dues unitats";
    Key_choose_units = "tria les unitats";
    Key_choose_units_hint = "selecciona les dues unitats";
    Key_calculator = "calculadora";
    Key_calculator_hint = "mode calculadora";
    Key_converter = "convertidor";
    Key_converter_hint = "mode convertidor";
    Currency_rates_not_downloaded =
        "Encara no hi ha tipus de canvi. Arriben quan Ratio estigui en línia.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Iuan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
