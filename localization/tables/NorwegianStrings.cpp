#include "localization/tables/NorwegianStrings.h"

namespace ratio {

// Symbols and names Norwegian (Bokmål) writes exactly as British English
// does; Taiwan is the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> NorwegianStrings::sameAsBritish = {
    "Taiwan",     "OK_Yes",    "Euro",     "Yard",      "Parsec",     "Stone",      "Kilogram",
    "Gram",       "Milligram", "Acre",     "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘",
    "Taiwan_Pêⁿ", "Bar",       "Pascal",   "Millibar",  "Torr",       "Megawatt",   "Kilowatt",
    "Watt",       "Kilojoule", "Joule",    "Zettabyte", "Exabyte",    "Petabyte",   "Terabyte",
    "Gigabyte",   "Megabyte",  "Kibibyte", "Kilobyte",  "Byte",       "Bit",        "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

NorwegianStrings::NorwegianStrings() {
    China = "Kina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tusendels tomme";
    Angstrom = "Ångström (Å)";
    Fathom = "Favn";
    Cancel = "Avbryt";
    Pick_first_unit = "Velg første enhet";
    Done = "Ferdig";
    Back = "Tilbake";
    OK_Yes = "OK";
    No = "Nei";
    Share = "Del";
    Select_Auswählen = "Velg";
    Not_Now = "Ikke nå";
    Clear = "Tøm";
    Search = "Søk";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Amerikansk dollar ($, USD)";
    Japanese_yen = "Japansk yen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Britisk pund (£, GBP)";
    Australian_dollar = "Australsk dollar ($A, AUD, $)";
    Canadian_dollar = "Kanadisk dollar (Can$, CAD, $)";
    Swiss_franc = "Sveitsisk franc (SFr., CHF, Fr.)";
    Swedish_krona = "Svensk krone (Skr, kr, SEK)";
    New_Zealand_dollar = "Newzealandsk dollar (NZ$, NZD, $)";
    Mexican_peso = "Meksikansk peso (Mex$, MXN, $)";
    Russian_ruble = "Russisk rubel (₽, RUB, руб)";
    Turkish_lira = "Tyrkisk lira (₺, TRY, TL)";
    Indian_rupee = "Indisk rupi (₹, INR)";
    Brazilian_real = "Brasiliansk real (R$, BRL)";
    South_Korean_won = "Sørkoreansk won (₩, KRW)";
    Bulgarian_lev = "Bulgarsk lev (лв, BGN)";
    Czech_koruna = "Tsjekkisk koruna (Kč, CZK)";
    Danish_krone = "Dansk krone (kr., DKK, dkr.)";
    Hungarian_forint = "Ungarsk forint (Ft, HUF)";
    Polish_złoty = "Polsk zloty (zł, PLN)";
    Romanian_leu = "Rumensk leu (L, RON)";
    Hong_Kong_dollar = "Hongkong-dollar (HK$, HKD)";
    Norwegian_krone = "Norsk krone (NOK, kr)";
    Icelandic_króna = "Islandsk krone (ISK, kr, ikr)";
    Croatian_kuna = "Kroatisk kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesisk rupi (IDR, Rp)";
    Israeli_new_shekel = "Ny israelsk shekel (ILS, ₪)";
    Malaysian_ringgit = "Malaysisk ringgit (MYR, RM)";
    Philippine_peso = "Filippinsk peso (PHP, ₱)";
    Singapore_dollar = "Singaporsk dollar (SGD, S$, $)";
    Thai_baht = "Thailandsk baht (THB, ฿)";
    South_African_rand = "Sørafrikansk rand (ZAR, R)";
    Unit = "Enhet";
    Currency = "Valuta";
    NUM_more_currencies = "one{%i valuta til} other{%i valutaer til}";
    Pick_first_currency = "Velg første valuta";
    Pick_second_currency = "Velg andre valuta";
    Length = "Lengde";
    NUM_more_lengths = "one{%i lengdeenhet til} other{%i lengdeenheter til}";
    Pick_first_length = "Velg første lengdeenhet";
    Pick_second_length = "Velg andre lengdeenhet";
    Speed = "Hastighet";
    NUM_more_speed_units = "one{%i hastighetsenhet til} other{%i hastighetsenheter til}";
    Pick_first_speed = "Velg første hastighetsenhet";
    Pick_second_speed = "Velg andre hastighetsenhet";
    Mass = "Masse";
    NUM_more_mass_units = "one{%i masseenhet til} other{%i masseenheter til}";
    Pick_first_mass_unit = "Velg første masseenhet";
    Pick_second_mass_unit = "Velg andre masseenhet";
    Area = "Areal";
    NUM_more_area_units = "one{%i arealenhet til} other{%i arealenheter til}";
    Pick_first_area_unit = "Velg første arealenhet";
    Pick_second_area_unit = "Velg andre arealenhet";
    Units_of_information = "Informasjonsenheter";
    NUM_more_units_of_information =
        "one{%i informasjonsenhet til} other{%i informasjonsenheter til}";
    Pick_first_unit_of_information = "Velg første informasjonsenhet";
    Pick_second_unit_of_information = "Velg andre informasjonsenhet";
    Volume = "Volum";
    NUM_more_volumes = "one{%i volumenhet til} other{%i volumenheter til}";
    Pick_first_volume = "Velg første volumenhet";
    Pick_second_volume = "Velg andre volumenhet";
    Pressure = "Trykk";
    NUM_more_pressure_units = "one{%i trykkenhet til} other{%i trykkenheter til}";
    Pick_first_pressure_unit = "Velg første trykkenhet";
    Pick_second_pressure_unit = "Velg andre trykkenhet";
    Power = "Effekt";
    NUM_more_power_units = "one{%i effektenhet til} other{%i effektenheter til}";
    Pick_first_power_unit = "Velg første effektenhet";
    Pick_second_power_unit = "Velg andre effektenhet";
    Energy = "Energi";
    NUM_more_energy_units = "one{%i energienhet til} other{%i energienheter til}";
    Pick_first_energy_unit = "Velg første energienhet";
    Pick_second_energy_unit = "Velg andre energienhet";
    Time = "Tid";
    NUM_more_time_units = "one{%i tidsenhet til} other{%i tidsenheter til}";
    Pick_first_time_unit = "Velg første tidsenhet";
    Pick_second_time_unit = "Velg andre tidsenhet";
    Fuel_consumption = "Drivstofforbruk";
    NUM_more_consumption_units = "one{%i forbruksenhet til} other{%i forbruksenheter til}";
    Pick_first_consumption_unit = "Velg første forbruksenhet";
    Pick_second_consumption_unit = "Velg andre forbruksenhet";
    US_Miles_per_gallon = "[US]\u00A0Engelske mil per gallon";
    Miles_per_liter = "Engelske mil per liter";
    // A Norwegian "mil" is ten kilometres; the English one is named so.
    Mile = "Engelsk mil (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Fot (ft)";
    Decimeter = "Desimeter (dm)";
    Inch = "Tomme";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Nautisk mil (M, NM)";
    Light_second = "Lyssekund";
    Light_minute = "Lysminutt (lm)";
    Light_hour = "Lystime (lh)";
    Light_day = "Lysdøgn (ld)";
    Light_year = "Lysår (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Engelske mil per time (mph, mi/h)";
    Kilometer_per_hour = "Kilometer per time (km/h)";
    Meter_per_second = "Meter per sekund (m/s, mps)";
    Foot_per_second = "Fot per sekund";
    Knot = "Knop (kn, kt)";
    Imperial_ton_Long_ton = "Britisk tonn / Long ton (tn. l., ts)";
    Tonne = "Tonn";
    US_Ton_Short_Ton = "[US] Amerikansk tonn (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Pund (lb)";
    Ounce = "Unse (oz.)";
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
    Square_foot = "Kvadratfot";
    Cubic_meter = "Kubikkmeter (m³)";
    Imperial_gallon = "Britisk gallon";
    US_liquid_gallon = "Amerikansk gallon (US.liq.gal.)";
    US_dry_gallon = "Amerikansk tørr gallon (US.dry.gal.)";
    Imperial_quart = "Britisk quart";
    Imperial_pint = "Britisk pint";
    Liter = "Liter (l)";
    US_liquid_quart = "Amerikansk quart (US.liq.qt.)";
    US_liquid_pint = "Amerikansk pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Væskeunse";
    Imperial_cup = "Britisk kopp";
    Deciliter = "Desiliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Lovfestet kopp";
    Cubic_foot = "Kubikkfot (ft3, cft)";
    Cubic_inch = "Kubikktomme (in3, cuin)";
    US_Tablespoon = "[US] Spiseskje";
    US_Teaspoon = "[US] Teskje";
    Imperial_tablespoon = "Britisk spiseskje";
    Metric_tablespoon = "Metrisk spiseskje";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standardatmosfære (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimeter kvikksølv";
    Pounds_per_square_inch = "Pund per kvadrattomme (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Norwegian writes hk (hestekraft); the row keeps hp(M).
    Metric_horsepower = "Hestekraft (hk, hp(M))";
    Watt = "Watt (W)";
    Year = "År";
    Week = "Uke (w)";
    Day = "Døgn (d)";
    Hour = "Time (h)";
    Minute = "Minutt (min)";
    Second = "Sekund (s)";
    Millisecond = "Millisekund (ms)";
    Microsecond = "Mikrosekund (μs)";
    Nanosecond = "Nanosekund (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojoule";
    Calorie = "Kalori";
    Joule = "Joule";
    Temperature = "Temperatur";
    Celsius = "Grad celsius";
    Fahrenheit = "Grad fahrenheit";
    NUM_more_temperatures = "one{%i temperaturenhet til} other{%i temperaturenheter til}";
    Pick_first_temperature = "Velg første temperaturenhet";
    Pick_second_temperature = "Velg andre temperaturenhet";
    // Recipes write the 15 ml spoon as "ss" (spiseskje).
    Metric_Tbsp = "ss";
    Unit_of_measurement = "Måleenhet";
    Conversion_of_units = "Omregning av enheter";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopier";
    E_mail = "E-post";
    Paste = "Lim inn";
    Key_plus = "Pluss";
    Key_plus_hint = "Legg til neste tall";
    Key_minus = "Minus";
    Key_minus_hint = "Trekk fra neste tall";
    Key_times = "Ganger";
    Key_times_hint = "Gang med neste tall";
    Key_divide = "Delt på";
    Key_divide_hint = "Del på neste tall";
    Key_equals = "Er lik";
    Key_equals_hint = "Vis resultatet";
    Key_clear = "Tøm";
    Key_clear_hint = "Sett begge radene til null";
    Key_change_sign = "Bytt fortegn";
    Key_change_sign_hint = "Bytt fortegn på tallet";
    Key_decimal_separator = "Desimaltegn";
    Key_decimal_separator_hint = "Begynn på desimalene";
    Key_switch_units = "Bytt enheter";
    Key_switch_units_hint = "Bytt om de to enhetene";
    Key_choose_units = "Velg enheter";
    Key_choose_units_hint = "Velg de to enhetene";
    Key_calculator = "Kalkulator";
    Key_calculator_hint = "Kalkulatormodus";
    Key_converter = "Omregner";
    Key_converter_hint = "Omregningsmodus";
    Currency_rates_not_downloaded = "Ingen valutakurser ennå. De hentes så snart Ratio er på nett.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Renminbi yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
