#include "localization/tables/DutchStrings.h"

namespace ratio {

// Symbols and names Dutch writes exactly as British English does; China and
// Taiwan are the same words, so the romanized names are too.
const std::vector<std::string_view> DutchStrings::sameAsBritish = {
    "China",      "Taiwan",     "OK_Yes",      "Euro",        "Volume",       "Yard",
    "Inch",       "Parsec",     "lǐ_length",   "yǐn_length",  "zhàng_length", "chǐ_length",
    "cùn_length", "fēn_length", "lí_length",   "háo_length",  "qǐng_area",    "mǔ_area",
    "fēn_area",   "lí_area",    "háo_area",    "Stone",       "Kilogram",     "Pound",
    "Ounce",      "Gram",       "Milligram",   "Microgram",   "Hectare",      "Acre",
    "Taiwan_Lê",  "Taiwan_Kah", "Taiwan_Hun",  "Taiwan_Bó͘",   "Taiwan_Pêⁿ",   "US_Fluid_ounce",
    "Bar",        "Pascal",     "Hectopascal", "Millibar",    "Torr",         "Megawatt",
    "Kilowatt",   "Watt",       "Week",        "Kilocalorie", "Kilojoule",    "Calorie",
    "Joule",      "Zettabyte",  "Exabyte",     "Petabyte",    "Terabyte",     "Gigabyte",
    "Megabyte",   "Kibibyte",   "Kilobyte",    "Byte",        "Bit",          "Kelvin",
    "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

DutchStrings::DutchStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Duizendste inch";
    Angstrom = "Ångström (Å)";
    Fathom = "Vadem";
    Cancel = "Annuleer";
    Pick_first_unit = "Kies eerste eenheid";
    Done = "Gereed";
    Back = "Terug";
    OK_Yes = "OK";
    No = "Nee";
    Share = "Deel";
    Select_Auswählen = "Selecteer";
    Not_Now = "Niet nu";
    Clear = "Wis";
    Search = "Zoek";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Amerikaanse dollar ($, USD)";
    Japanese_yen = "Japanse yen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Brits pond (£, GBP)";
    Australian_dollar = "Australische dollar ($A, AUD, $)";
    Canadian_dollar = "Canadese dollar (Can$, CAD, $)";
    Swiss_franc = "Zwitserse frank (SFr., CHF, Fr.)";
    Swedish_krona = "Zweedse kroon (Skr, kr, SEK)";
    New_Zealand_dollar = "Nieuw-Zeelandse dollar (NZ$, NZD, $)";
    Mexican_peso = "Mexicaanse peso (Mex$, MXN, $)";
    Russian_ruble = "Russische roebel (₽, RUB, руб)";
    Turkish_lira = "Turkse lira (₺, TRY, TL)";
    Indian_rupee = "Indiase roepie (₹, INR)";
    Brazilian_real = "Braziliaanse real (R$, BRL)";
    South_Korean_won = "Zuid-Koreaanse won (₩, KRW)";
    Bulgarian_lev = "Bulgaarse lev (лв, BGN)";
    Czech_koruna = "Tsjechische kroon (Kč, CZK)";
    Danish_krone = "Deense kroon (kr., DKK, dkr.)";
    Hungarian_forint = "Hongaarse forint (Ft, HUF)";
    Polish_złoty = "Poolse zloty (zł, PLN)";
    Romanian_leu = "Roemeense leu (L, RON)";
    Hong_Kong_dollar = "Hongkongse dollar (HK$, HKD)";
    Norwegian_krone = "Noorse kroon (NOK, kr)";
    Icelandic_króna = "IJslandse kroon (ISK, kr, ikr)";
    Croatian_kuna = "Kroatische kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesische roepia (IDR, Rp)";
    Israeli_new_shekel = "Israëlische nieuwe shekel (ILS, ₪)";
    Malaysian_ringgit = "Maleisische ringgit (MYR, RM)";
    Philippine_peso = "Filipijnse peso (PHP, ₱)";
    Singapore_dollar = "Singaporese dollar (SGD, S$, $)";
    Thai_baht = "Thaise baht (THB, ฿)";
    South_African_rand = "Zuid-Afrikaanse rand (ZAR, R)";
    Unit = "Eenheid";
    Currency = "Valuta";
    NUM_more_currencies = "one{Nog %i valuta} other{Nog %i valuta’s}";
    Pick_first_currency = "Kies eerste valuta";
    Pick_second_currency = "Kies tweede valuta";
    Length = "Lengte";
    NUM_more_lengths = "one{Nog %i lengte-eenheid} other{Nog %i lengte-eenheden}";
    Pick_first_length = "Kies eerste lengte-eenheid";
    Pick_second_length = "Kies tweede lengte-eenheid";
    Speed = "Snelheid";
    NUM_more_speed_units = "one{Nog %i snelheidseenheid} other{Nog %i snelheidseenheden}";
    Pick_first_speed = "Kies eerste snelheidseenheid";
    Pick_second_speed = "Kies tweede snelheidseenheid";
    Mass = "Massa";
    NUM_more_mass_units = "one{Nog %i massa-eenheid} other{Nog %i massa-eenheden}";
    Pick_first_mass_unit = "Kies eerste massa-eenheid";
    Pick_second_mass_unit = "Kies tweede massa-eenheid";
    Area = "Oppervlakte";
    NUM_more_area_units = "one{Nog %i oppervlakte-eenheid} other{Nog %i oppervlakte-eenheden}";
    Pick_first_area_unit = "Kies eerste oppervlakte-eenheid";
    Pick_second_area_unit = "Kies tweede oppervlakte-eenheid";
    Units_of_information = "Informatie-eenheden";
    NUM_more_units_of_information =
        "one{Nog %i informatie-eenheid} other{Nog %i informatie-eenheden}";
    Pick_first_unit_of_information = "Kies eerste informatie-eenheid";
    Pick_second_unit_of_information = "Kies tweede informatie-eenheid";
    Volume = "Volume";
    NUM_more_volumes = "one{Nog %i volume-eenheid} other{Nog %i volume-eenheden}";
    Pick_first_volume = "Kies eerste volume-eenheid";
    Pick_second_volume = "Kies tweede volume-eenheid";
    Pressure = "Druk";
    NUM_more_pressure_units = "one{Nog %i drukeenheid} other{Nog %i drukeenheden}";
    Pick_first_pressure_unit = "Kies eerste drukeenheid";
    Pick_second_pressure_unit = "Kies tweede drukeenheid";
    Power = "Vermogen";
    NUM_more_power_units = "one{Nog %i vermogenseenheid} other{Nog %i vermogenseenheden}";
    Pick_first_power_unit = "Kies eerste vermogenseenheid";
    Pick_second_power_unit = "Kies tweede vermogenseenheid";
    Energy = "Energie";
    NUM_more_energy_units = "one{Nog %i energie-eenheid} other{Nog %i energie-eenheden}";
    Pick_first_energy_unit = "Kies eerste energie-eenheid";
    Pick_second_energy_unit = "Kies tweede energie-eenheid";
    Time = "Tijd";
    NUM_more_time_units = "one{Nog %i tijdseenheid} other{Nog %i tijdseenheden}";
    Pick_first_time_unit = "Kies eerste tijdseenheid";
    Pick_second_time_unit = "Kies tweede tijdseenheid";
    Fuel_consumption = "Brandstofverbruik";
    NUM_more_consumption_units = "one{Nog %i verbruikseenheid} other{Nog %i verbruikseenheden}";
    Pick_first_consumption_unit = "Kies eerste verbruikseenheid";
    Pick_second_consumption_unit = "Kies tweede verbruikseenheid";
    US_Miles_per_gallon = "[US]\u00A0Mijl per gallon";
    Miles_per_liter = "Mijl per liter";
    Mile = "Mijl (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Voet (ft)";
    Decimeter = "Decimeter (dm)";
    Inch = "Inch";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Micrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Zeemijl (M, NM)";
    Light_second = "Lichtseconde";
    Light_minute = "Lichtminuut (lm)";
    Light_hour = "Lichtuur (lh)";
    Light_day = "Lichtdag (ld)";
    Light_year = "Lichtjaar (lj, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Mijl per uur (mph, mi/h)";
    Kilometer_per_hour = "Kilometer per uur (km/h)";
    Meter_per_second = "Meter per seconde (m/s, mps)";
    Foot_per_second = "Voet per seconde";
    Knot = "Knoop (kn, kt)";
    Imperial_ton_Long_ton = "Britse ton / Long ton (tn. l., ts)";
    Tonne = "Ton";
    US_Ton_Short_Ton = "[US] Short ton (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Pound (lb)";
    Ounce = "Ounce (oz.)";
    Gram = "Gram (g)";
    Milligram = "Milligram (mg)";
    Microgram = "Microgram (μg)";
    Square_mile = "Vierkante mijl (mi², sqmi)";
    Square_kilometer = "Vierkante kilometer (km²)";
    Square_meter = "Vierkante meter (m²)";
    Hectare = "Hectare (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Vierkante centimeter (cm²)";
    Square_millimeter = "Vierkante millimeter (mm²)";
    Square_inch = "Vierkante inch";
    Square_yard = "Vierkante yard";
    Square_foot = "Vierkante voet";
    Cubic_meter = "Kubieke meter (m³)";
    Imperial_gallon = "Britse gallon";
    US_liquid_gallon = "Amerikaanse gallon (US.liq.gal.)";
    US_dry_gallon = "Amerikaanse droge gallon (US.dry.gal.)";
    Imperial_quart = "Britse quart";
    Imperial_pint = "Britse pint";
    Liter = "Liter (l)";
    US_liquid_quart = "Amerikaanse quart (US.liq.qt.)";
    US_liquid_pint = "Amerikaanse pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Fluid ounce";
    Imperial_cup = "Britse cup";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Wettelijke cup";
    Cubic_foot = "Kubieke voet (ft3, cft)";
    Cubic_inch = "Kubieke inch (in3, cuin)";
    US_Tablespoon = "[US] Eetlepel";
    US_Teaspoon = "[US] Theelepel";
    Imperial_tablespoon = "Britse eetlepel";
    Metric_tablespoon = "Metrische eetlepel";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standaardatmosfeer (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimeter kwikdruk";
    Pounds_per_square_inch = "Pound per vierkante inch (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Dutch writes pk (paardenkracht); the row keeps hp(M).
    Metric_horsepower = "Paardenkracht (pk, hp(M))";
    Watt = "Watt (W)";
    Year = "Jaar";
    Week = "Week (w)";
    Day = "Dag (d)";
    Hour = "Uur (h)";
    Minute = "Minuut (min)";
    Second = "Seconde (s)";
    Millisecond = "Milliseconde (ms)";
    Microsecond = "Microseconde (μs)";
    Nanosecond = "Nanoseconde (ns)";
    Kilocalorie = "Kilocalorie";
    Kilojoule = "Kilojoule";
    Calorie = "Calorie";
    Joule = "Joule";
    Temperature = "Temperatuur";
    Celsius = "Graad Celsius";
    Fahrenheit = "Graad Fahrenheit";
    NUM_more_temperatures = "one{Nog %i temperatuureenheid} other{Nog %i temperatuureenheden}";
    Pick_first_temperature = "Kies eerste temperatuureenheid";
    Pick_second_temperature = "Kies tweede temperatuureenheid";
    // Recipes write the 15 ml spoon as "el" (eetlepel).
    Metric_Tbsp = "el";
    Unit_of_measurement = "Maateenheid";
    Conversion_of_units = "Omrekening van eenheden";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopieer";
    E_mail = "E-mail";
    Paste = "Plak";
    Key_plus = "Plus";
    Key_plus_hint = "Het volgende getal optellen";
    Key_minus = "Min";
    Key_minus_hint = "Het volgende getal aftrekken";
    Key_times = "Keer";
    Key_times_hint = "Met het volgende getal vermenigvuldigen";
    Key_divide = "Gedeeld door";
    Key_divide_hint = "Door het volgende getal delen";
    Key_equals = "Is gelijk aan";
    Key_equals_hint = "Het resultaat tonen";
    Key_clear = "Wissen";
    Key_clear_hint = "Beide rijen op nul zetten";
    Key_change_sign = "Teken wisselen";
    Key_change_sign_hint = "Het teken van het getal omkeren";
    Key_decimal_separator = "Decimaalteken";
    Key_decimal_separator_hint = "Met de decimalen beginnen";
    Key_switch_units = "Eenheden wisselen";
    Key_switch_units_hint = "De twee eenheden omwisselen";
    Key_choose_units = "Eenheden kiezen";
    Key_choose_units_hint = "De twee eenheden kiezen";
    Key_calculator = "Rekenmachine";
    Key_calculator_hint = "Rekenmachinemodus";
    Key_converter = "Omrekenaar";
    Key_converter_hint = "Omrekenmodus";
    Currency_rates_not_downloaded = "Nog geen wisselkoersen. Ze komen zodra Ratio online is.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Renminbi yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
