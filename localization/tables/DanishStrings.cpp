#include "localization/tables/DanishStrings.h"

namespace ratio {

// Symbols and names Danish writes exactly as British English does; Taiwan is
// the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> DanishStrings::sameAsBritish = {
    "Taiwan",     "OK_Yes",     "Euro",      "Yard",       "Parsec",         "Stone",
    "Kilogram",   "Ounce",      "Gram",      "Milligram",  "Acre",           "Taiwan_Lê",
    "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘", "Taiwan_Pêⁿ", "US_Fluid_ounce", "Bar",
    "Pascal",     "Millibar",   "Torr",      "Megawatt",   "Kilowatt",       "Watt",
    "Kilojoule",  "Joule",      "Zettabyte", "Exabyte",    "Petabyte",       "Terabyte",
    "Gigabyte",   "Megabyte",   "Kibibyte",  "Kilobyte",   "Byte",           "Bit",
    "Kelvin",     "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

DanishStrings::DanishStrings() {
    China = "Kina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tusindedel tomme";
    Angstrom = "Ångström (Å)";
    Fathom = "Favn";
    Cancel = "Annuller";
    Pick_first_unit = "Vælg første enhed";
    Done = "Færdig";
    Back = "Tilbage";
    OK_Yes = "OK";
    No = "Nej";
    Share = "Del";
    Select_Auswählen = "Vælg";
    Not_Now = "Ikke nu";
    Clear = "Ryd";
    Search = "Søg";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Amerikansk dollar ($, USD)";
    Japanese_yen = "Japansk yen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Britisk pund (£, GBP)";
    Australian_dollar = "Australsk dollar ($A, AUD, $)";
    Canadian_dollar = "Canadisk dollar (Can$, CAD, $)";
    Swiss_franc = "Schweizerfranc (SFr., CHF, Fr.)";
    Swedish_krona = "Svensk krone (Skr, kr, SEK)";
    New_Zealand_dollar = "Newzealandsk dollar (NZ$, NZD, $)";
    Mexican_peso = "Mexicansk peso (Mex$, MXN, $)";
    Russian_ruble = "Russisk rubel (₽, RUB, руб)";
    Turkish_lira = "Tyrkisk lira (₺, TRY, TL)";
    Indian_rupee = "Indisk rupee (₹, INR)";
    Brazilian_real = "Brasiliansk real (R$, BRL)";
    South_Korean_won = "Sydkoreansk won (₩, KRW)";
    Bulgarian_lev = "Bulgarsk lev (лв, BGN)";
    Czech_koruna = "Tjekkisk koruna (Kč, CZK)";
    Danish_krone = "Dansk krone (kr., DKK, dkr.)";
    Hungarian_forint = "Ungarsk forint (Ft, HUF)";
    Polish_złoty = "Polsk zloty (zł, PLN)";
    Romanian_leu = "Rumænsk leu (L, RON)";
    Hong_Kong_dollar = "Hongkongsk dollar (HK$, HKD)";
    Norwegian_krone = "Norsk krone (NOK, kr)";
    Icelandic_króna = "Islandsk krone (ISK, kr, ikr)";
    Croatian_kuna = "Kroatisk kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesisk rupiah (IDR, Rp)";
    Israeli_new_shekel = "Ny israelsk shekel (ILS, ₪)";
    Malaysian_ringgit = "Malaysisk ringgit (MYR, RM)";
    Philippine_peso = "Filippinsk peso (PHP, ₱)";
    Singapore_dollar = "Singaporeansk dollar (SGD, S$, $)";
    Thai_baht = "Thailandsk baht (THB, ฿)";
    South_African_rand = "Sydafrikansk rand (ZAR, R)";
    Unit = "Enhed";
    Currency = "Valuta";
    NUM_more_currencies = "one{%i anden valuta} other{%i andre valutaer}";
    Pick_first_currency = "Vælg første valuta";
    Pick_second_currency = "Vælg anden valuta";
    Length = "Længde";
    NUM_more_lengths = "one{%i anden længdeenhed} other{%i andre længdeenheder}";
    Pick_first_length = "Vælg første længdeenhed";
    Pick_second_length = "Vælg anden længdeenhed";
    Speed = "Hastighed";
    NUM_more_speed_units = "one{%i anden hastighedsenhed} other{%i andre hastighedsenheder}";
    Pick_first_speed = "Vælg første hastighedsenhed";
    Pick_second_speed = "Vælg anden hastighedsenhed";
    Mass = "Masse";
    NUM_more_mass_units = "one{%i anden masseenhed} other{%i andre masseenheder}";
    Pick_first_mass_unit = "Vælg første masseenhed";
    Pick_second_mass_unit = "Vælg anden masseenhed";
    Area = "Areal";
    NUM_more_area_units = "one{%i anden arealenhed} other{%i andre arealenheder}";
    Pick_first_area_unit = "Vælg første arealenhed";
    Pick_second_area_unit = "Vælg anden arealenhed";
    Units_of_information = "Informationsenheder";
    NUM_more_units_of_information =
        "one{%i anden informationsenhed} other{%i andre informationsenheder}";
    Pick_first_unit_of_information = "Vælg første informationsenhed";
    Pick_second_unit_of_information = "Vælg anden informationsenhed";
    Volume = "Volumen";
    NUM_more_volumes = "one{%i anden volumenenhed} other{%i andre volumenenheder}";
    Pick_first_volume = "Vælg første volumenenhed";
    Pick_second_volume = "Vælg anden volumenenhed";
    Pressure = "Tryk";
    NUM_more_pressure_units = "one{%i anden trykenhed} other{%i andre trykenheder}";
    Pick_first_pressure_unit = "Vælg første trykenhed";
    Pick_second_pressure_unit = "Vælg anden trykenhed";
    Power = "Effekt";
    NUM_more_power_units = "one{%i anden effektenhed} other{%i andre effektenheder}";
    Pick_first_power_unit = "Vælg første effektenhed";
    Pick_second_power_unit = "Vælg anden effektenhed";
    Energy = "Energi";
    NUM_more_energy_units = "one{%i anden energienhed} other{%i andre energienheder}";
    Pick_first_energy_unit = "Vælg første energienhed";
    Pick_second_energy_unit = "Vælg anden energienhed";
    Time = "Tid";
    NUM_more_time_units = "one{%i anden tidsenhed} other{%i andre tidsenheder}";
    Pick_first_time_unit = "Vælg første tidsenhed";
    Pick_second_time_unit = "Vælg anden tidsenhed";
    Fuel_consumption = "Brændstofforbrug";
    NUM_more_consumption_units = "one{%i anden forbrugsenhed} other{%i andre forbrugsenheder}";
    Pick_first_consumption_unit = "Vælg første forbrugsenhed";
    Pick_second_consumption_unit = "Vælg anden forbrugsenhed";
    US_Miles_per_gallon = "[US]\u00A0Engelske mil pr. gallon";
    Miles_per_liter = "Engelske mil pr. liter";
    // Danish "mil" alone is the old Danish mile; the English one is named so.
    Mile = "Engelsk mil (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Fod (ft)";
    Decimeter = "Decimeter (dm)";
    Inch = "Tomme";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Sømil (M, NM)";
    Light_second = "Lyssekund";
    Light_minute = "Lysminut (lm)";
    Light_hour = "Lystime (lh)";
    Light_day = "Lysdøgn (ld)";
    Light_year = "Lysår (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Engelske mil i timen (mph, mi/h)";
    Kilometer_per_hour = "Kilometer i timen (km/h)";
    Meter_per_second = "Meter i sekundet (m/s, mps)";
    Foot_per_second = "Fod i sekundet";
    Knot = "Knob (kn, kt)";
    Imperial_ton_Long_ton = "Britisk ton / Long ton (tn. l., ts)";
    Tonne = "Ton";
    US_Ton_Short_Ton = "[US] Short ton (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Pund (lb)";
    Ounce = "Ounce (oz.)";
    Gram = "Gram (g)";
    Milligram = "Milligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Engelsk kvadratmil (mi², sqmi)";
    Square_kilometer = "Kvadratkilometer (km²)";
    Square_meter = "Kvadratmeter (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Kvadratcentimeter (cm²)";
    Square_millimeter = "Kvadratmillimeter (mm²)";
    Square_inch = "Kvadrattomme";
    Square_yard = "Kvadratyard";
    Square_foot = "Kvadratfod";
    Cubic_meter = "Kubikmeter (m³)";
    Imperial_gallon = "Engelsk gallon";
    US_liquid_gallon = "Amerikansk gallon (US.liq.gal.)";
    US_dry_gallon = "Amerikansk tør gallon (US.dry.gal.)";
    Imperial_quart = "Engelsk quart";
    Imperial_pint = "Engelsk pint";
    Liter = "Liter (l)";
    US_liquid_quart = "Amerikansk quart (US.liq.qt.)";
    US_liquid_pint = "Amerikansk pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Fluid ounce";
    Imperial_cup = "Engelsk kop";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Lovbestemt kop";
    Cubic_foot = "Kubikfod (ft3, cft)";
    Cubic_inch = "Kubiktomme (in3, cuin)";
    US_Tablespoon = "[US] Spiseske";
    US_Teaspoon = "[US] Teske";
    Imperial_tablespoon = "Engelsk spiseske";
    Metric_tablespoon = "Metrisk spiseske";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standardatmosfære (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimeter kviksølv";
    Pounds_per_square_inch = "Pund pr. kvadrattomme (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Danish writes hk (hestekraft); the row keeps hp(M).
    Metric_horsepower = "Hestekraft (hk, hp(M))";
    Watt = "Watt (W)";
    Year = "År";
    Week = "Uge (w)";
    Day = "Dag (d)";
    Hour = "Time (h)";
    Minute = "Minut (min)";
    Second = "Sekund (s)";
    Millisecond = "Millisekund (ms)";
    Microsecond = "Mikrosekund (μs)";
    Nanosecond = "Nanosekund (ns)";
    Kilocalorie = "Kilokalorie";
    Kilojoule = "Kilojoule";
    Calorie = "Kalorie";
    Joule = "Joule";
    Temperature = "Temperatur";
    Celsius = "Grad celsius";
    Fahrenheit = "Grad fahrenheit";
    NUM_more_temperatures = "one{%i anden temperaturenhed} other{%i andre temperaturenheder}";
    Pick_first_temperature = "Vælg første temperaturenhed";
    Pick_second_temperature = "Vælg anden temperaturenhed";
    // Recipes write the 15 ml spoon as "spsk." (spiseskefuld).
    Metric_Tbsp = "spsk.";
    Unit_of_measurement = "Måleenhed";
    Conversion_of_units = "Omregning af enheder";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopiér";
    E_mail = "E-mail";
    Paste = "Indsæt";
    Key_plus = "Plus";
    Key_plus_hint = "Læg det næste tal til";
    Key_minus = "Minus";
    Key_minus_hint = "Træk det næste tal fra";
    Key_times = "Gange";
    Key_times_hint = "Gang med det næste tal";
    Key_divide = "Divideret med";
    Key_divide_hint = "Divider med det næste tal";
    Key_equals = "Er lig med";
    Key_equals_hint = "Vis resultatet";
    Key_clear = "Ryd";
    Key_clear_hint = "Sæt begge rækker til nul";
    Key_change_sign = "Skift fortegn";
    Key_change_sign_hint = "Skift tallets fortegn";
    Key_decimal_separator = "Decimaltegn";
    Key_decimal_separator_hint = "Begynd på decimalerne";
    Key_switch_units = "Byt enheder";
    Key_switch_units_hint = "Byt om på de to enheder";
    Key_choose_units = "Vælg enheder";
    Key_choose_units_hint = "Vælg de to enheder";
    Key_calculator = "Lommeregner";
    Key_calculator_hint = "Lommeregnertilstand";
    Key_converter = "Omregner";
    Key_converter_hint = "Omregnertilstand";
    Currency_rates_not_downloaded =
        "Ingen valutakurser endnu. De hentes, så snart Ratio er online.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Renminbi yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
