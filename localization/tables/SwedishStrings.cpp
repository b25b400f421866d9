#include "localization/tables/SwedishStrings.h"

namespace ratio {

// Symbols and names Swedish writes exactly as British English does; Taiwan
// is the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> SwedishStrings::sameAsBritish = {
    "Taiwan",    "OK_Yes",     "Euro",           "Area",      "Yard",       "Parsec",
    "Kilogram",  "Gram",       "Milligram",      "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun",
    "Taiwan_Bó͘", "Taiwan_Pêⁿ", "US_Fluid_ounce", "Bar",       "Pascal",     "Millibar",
    "Torr",      "Megawatt",   "Kilowatt",       "Watt",      "Kilojoule",  "Joule",
    "Zettabyte", "Exabyte",    "Petabyte",       "Terabyte",  "Gigabyte",   "Megabyte",
    "Kibibyte",  "Kilobyte",   "Byte",           "Bit",       "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

SwedishStrings::SwedishStrings() {
    China = "Kina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tusendels tum";
    Angstrom = "Ångström (Å)";
    Fathom = "Famn";
    Cancel = "Avbryt";
    Pick_first_unit = "Välj första enheten";
    Done = "Klar";
    Back = "Tillbaka";
    OK_Yes = "OK";
    No = "Nej";
    Share = "Dela";
    Select_Auswählen = "Välj";
    Not_Now = "Inte nu";
    Clear = "Rensa";
    Search = "Sök";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Amerikansk dollar ($, USD)";
    Japanese_yen = "Japansk yen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Brittiskt pund (£, GBP)";
    Australian_dollar = "Australisk dollar ($A, AUD, $)";
    Canadian_dollar = "Kanadensisk dollar (Can$, CAD, $)";
    Swiss_franc = "Schweizisk franc (SFr., CHF, Fr.)";
    Swedish_krona = "Svensk krona (Skr, kr, SEK)";
    New_Zealand_dollar = "Nyzeeländsk dollar (NZ$, NZD, $)";
    Mexican_peso = "Mexikansk peso (Mex$, MXN, $)";
    Russian_ruble = "Rysk rubel (₽, RUB, руб)";
    Turkish_lira = "Turkisk lira (₺, TRY, TL)";
    Indian_rupee = "Indisk rupie (₹, INR)";
    Brazilian_real = "Brasiliansk real (R$, BRL)";
    South_Korean_won = "Sydkoreansk won (₩, KRW)";
    Bulgarian_lev = "Bulgarisk lev (лв, BGN)";
    Czech_koruna = "Tjeckisk koruna (Kč, CZK)";
    Danish_krone = "Dansk krona (kr., DKK, dkr.)";
    Hungarian_forint = "Ungersk forint (Ft, HUF)";
    Polish_złoty = "Polsk zloty (zł, PLN)";
    Romanian_leu = "Rumänsk leu (L, RON)";
    Hong_Kong_dollar = "Hongkongdollar (HK$, HKD)";
    Norwegian_krone = "Norsk krona (NOK, kr)";
    Icelandic_króna = "Isländsk krona (ISK, kr, ikr)";
    Croatian_kuna = "Kroatisk kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesisk rupie (IDR, Rp)";
    Israeli_new_shekel = "Israelisk ny shekel (ILS, ₪)";
    Malaysian_ringgit = "Malaysisk ringgit (MYR, RM)";
    Philippine_peso = "Filippinsk peso (PHP, ₱)";
    Singapore_dollar = "Singaporiansk dollar (SGD, S$, $)";
    Thai_baht = "Thailändsk baht (THB, ฿)";
    South_African_rand = "Sydafrikansk rand (ZAR, R)";
    Unit = "Enhet";
    Currency = "Valuta";
    NUM_more_currencies = "one{%i valuta till} other{%i valutor till}";
    Pick_first_currency = "Välj första valutan";
    Pick_second_currency = "Välj andra valutan";
    Length = "Längd";
    NUM_more_lengths = "one{%i längdenhet till} other{%i längdenheter till}";
    Pick_first_length = "Välj första längdenheten";
    Pick_second_length = "Välj andra längdenheten";
    Speed = "Hastighet";
    NUM_more_speed_units = "one{%i hastighetsenhet till} other{%i hastighetsenheter till}";
    Pick_first_speed = "Välj första hastighetsenheten";
    Pick_second_speed = "Välj andra hastighetsenheten";
    Mass = "Massa";
    NUM_more_mass_units = "one{%i massenhet till} other{%i massenheter till}";
    Pick_first_mass_unit = "Välj första massenheten";
    Pick_second_mass_unit = "Välj andra massenheten";
    Area = "Area";
    NUM_more_area_units = "one{%i areaenhet till} other{%i areaenheter till}";
    Pick_first_area_unit = "Välj första areaenheten";
    Pick_second_area_unit = "Välj andra areaenheten";
    Units_of_information = "Informationsenheter";
    NUM_more_units_of_information =
        "one{%i informationsenhet till} other{%i informationsenheter till}";
    Pick_first_unit_of_information = "Välj första informationsenheten";
    Pick_second_unit_of_information = "Välj andra informationsenheten";
    Volume = "Volym";
    NUM_more_volumes = "one{%i volymenhet till} other{%i volymenheter till}";
    Pick_first_volume = "Välj första volymenheten";
    Pick_second_volume = "Välj andra volymenheten";
    Pressure = "Tryck";
    NUM_more_pressure_units = "one{%i tryckenhet till} other{%i tryckenheter till}";
    Pick_first_pressure_unit = "Välj första tryckenheten";
    Pick_second_pressure_unit = "Välj andra tryckenheten";
    Power = "Effekt";
    NUM_more_power_units = "one{%i effektenhet till} other{%i effektenheter till}";
    Pick_first_power_unit = "Välj första effektenheten";
    Pick_second_power_unit = "Välj andra effektenheten";
    Energy = "Energi";
    NUM_more_energy_units = "one{%i energienhet till} other{%i energienheter till}";
    Pick_first_energy_unit = "Välj första energienheten";
    Pick_second_energy_unit = "Välj andra energienheten";
    Time = "Tid";
    NUM_more_time_units = "one{%i tidsenhet till} other{%i tidsenheter till}";
    Pick_first_time_unit = "Välj första tidsenheten";
    Pick_second_time_unit = "Välj andra tidsenheten";
    Fuel_consumption = "Bränsleförbrukning";
    NUM_more_consumption_units =
        "one{%i förbrukningsenhet till} other{%i förbrukningsenheter till}";
    Pick_first_consumption_unit = "Välj första förbrukningsenheten";
    Pick_second_consumption_unit = "Välj andra förbrukningsenheten";
    US_Miles_per_gallon = "[US]\u00A0Engelska mil per gallon";
    Miles_per_liter = "Engelska mil per liter";
    // A Swedish "mil" is ten kilometres; the English one is named so.
    Mile = "Engelsk mil (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Fot (ft)";
    Decimeter = "Decimeter (dm)";
    Inch = "Tum";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Nautisk mil (M, NM)";
    Light_second = "Ljussekund";
    Light_minute = "Ljusminut (lm)";
    Light_hour = "Ljustimme (lh)";
    Light_day = "Ljusdygn (ld)";
    Light_year = "Ljusår (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Engelska mil per timme (mph, mi/h)";
    Kilometer_per_hour = "Kilometer per timme (km/h)";
    Meter_per_second = "Meter per sekund (m/s, mps)";
    Foot_per_second = "Fot per sekund";
    Knot = "Knop (kn, kt)";
    Imperial_ton_Long_ton = "Engelskt långt ton (tn. l., ts)";
    Tonne = "Ton";
    US_Ton_Short_Ton = "[US] Kort ton (tn. sh.)";
    Stone = "Engelsk sten";
    Kilogram = "Kilogram (kg)";
    Pound = "Pund (lb)";
    Ounce = "Uns (oz.)";
    Gram = "Gram (g)";
    Milligram = "Milligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Engelsk kvadratmil (mi², sqmi)";
    Square_kilometer = "Kvadratkilometer (km²)";
    Square_meter = "Kvadratmeter (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Engelskt tunnland (ac)";
    Square_centimeter = "Kvadratcentimeter (cm²)";
    Square_millimeter = "Kvadratmillimeter (mm²)";
    Square_inch = "Kvadrattum";
    Square_yard = "Engelsk kvadratyard";
    Square_foot = "Kvadratfot";
    Cubic_meter = "Kubikmeter (m³)";
    Imperial_gallon = "Brittisk gallon";
    US_liquid_gallon = "Amerikansk gallon (US.liq.gal.)";
    US_dry_gallon = "Amerikansk torr gallon (US.dry.gal.)";
    Imperial_quart = "Brittisk quart";
    Imperial_pint = "Brittisk pint";
    Liter = "Liter (l)";
    US_liquid_quart = "Amerikansk quart (US.liq.qt.)";
    US_liquid_pint = "Amerikansk pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Fluid ounce";
    Imperial_cup = "Brittisk kopp";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Lagstadgad kopp";
    Cubic_foot = "Kubikfot (ft3, cft)";
    Cubic_inch = "Kubiktum (in3, cuin)";
    US_Tablespoon = "[US] Matsked";
    US_Teaspoon = "[US] Tesked";
    Imperial_tablespoon = "Brittisk matsked";
    Metric_tablespoon = "Metrisk matsked";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standardatmosfär (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimeter kvicksilver";
    Pounds_per_square_inch = "Pund per kvadrattum (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Swedish writes hk (hästkraft); the row keeps hp(M).
    Metric_horsepower = "Hästkraft (hk, hp(M))";
    Watt = "Watt (W)";
    Year = "År";
    Week = "Vecka (w)";
    Day = "Dygn (d)";
    Hour = "Timme (h)";
    Minute = "Minut (min)";
    Second = "Sekund (s)";
    Millisecond = "Millisekund (ms)";
    Microsecond = "Mikrosekund (μs)";
    Nanosecond = "Nanosekund (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojoule";
    Calorie = "Kalori";
    Joule = "Joule";
    Temperature = "Temperatur";
    Celsius = "Grad Celsius";
    Fahrenheit = "Grad Fahrenheit";
    NUM_more_temperatures = "one{%i temperaturenhet till} other{%i temperaturenheter till}";
    Pick_first_temperature = "Välj första temperaturenheten";
    Pick_second_temperature = "Välj andra temperaturenheten";
    // Recipes write the 15 ml spoon as "msk" (matsked).
    Metric_Tbsp = "msk";
    Unit_of_measurement = "Måttenhet";
    Conversion_of_units = "Omvandling av enheter";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopiera";
    E_mail = "E-post";
    Paste = "Klistra in";
    Key_plus = "Plus";
    Key_plus_hint = "Lägg till nästa tal";
    Key_minus = "Minus";
    Key_minus_hint = "Dra av nästa tal";
    Key_times = "Gånger";
    Key_times_hint = "Multiplicera med nästa tal";
    Key_divide = "Delat med";
    Key_divide_hint = "Dela med nästa tal";
    Key_equals = "Lika med";
    Key_equals_hint = "Visa resultatet";
    Key_clear = "Rensa";
    Key_clear_hint = "Nollställ båda raderna";
    Key_change_sign = "Byt tecken";
    Key_change_sign_hint = "Byt tecken på talet";
    Key_decimal_separator = "Decimaltecken";
    Key_decimal_separator_hint = "Börja på decimalerna";
    Key_switch_units = "Byt enheter";
    Key_switch_units_hint = "Byt plats på de två enheterna";
    Key_choose_units = "Välj enheter";
    Key_choose_units_hint = "Välj de två enheterna";
    Key_calculator = "Kalkylator";
    Key_calculator_hint = "Kalkylatorläge";
    Key_converter = "Omvandlare";
    Key_converter_hint = "Omvandlarläge";
    Currency_rates_not_downloaded = "Inga valutakurser än. De hämtas så snart Ratio är online.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Renminbi yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
