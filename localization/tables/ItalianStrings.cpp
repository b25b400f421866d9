#include "localization/tables/ItalianStrings.h"

namespace ratio {

// Symbols and names Italian writes exactly as British English does; Taiwan
// is the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> ItalianStrings::sameAsBritish = {
    "Taiwan",    "OK_Yes",     "No",         "Euro",      "Volume",     "Parsec",    "Stone",
    "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘", "Taiwan_Pêⁿ", "Bar",       "Pascal",
    "Millibar",  "Torr",       "Megawatt",   "Kilowatt",  "Watt",       "Kilojoule", "Joule",
    "Zettabyte", "Exabyte",    "Petabyte",   "Terabyte",  "Gigabyte",   "Megabyte",  "Kibibyte",
    "Kilobyte",  "Byte",       "Bit",        "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

ItalianStrings::ItalianStrings() {
    China = "Cina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Millesimo di pollice";
    Angstrom = "Ångström (Å)";
    Fathom = "Braccio";
    Cancel = "Annulla";
    Pick_first_unit = "Scegli la prima unità";
    Done = "Fine";
    Back = "Indietro";
    OK_Yes = "OK";
    No = "No";
    Share = "Condividi";
    Select_Auswählen = "Seleziona";
    Not_Now = "Non ora";
    Clear = "Cancella";
    Search = "Cerca";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dollaro statunitense ($, USD)";
    Japanese_yen = "Yen giapponese (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Sterlina britannica (£, GBP)";
    Australian_dollar = "Dollaro australiano ($A, AUD, $)";
    Canadian_dollar = "Dollaro canadese (Can$, CAD, $)";
    Swiss_franc = "Franco svizzero (SFr., CHF, Fr.)";
    Swedish_krona = "Corona svedese (Skr, kr, SEK)";
    New_Zealand_dollar = "Dollaro neozelandese (NZ$, NZD, $)";
    Mexican_peso = "Peso messicano (Mex$, MXN, $)";
    Russian_ruble = "Rublo russo (₽, RUB, руб)";
    Turkish_lira = "Lira turca (₺, TRY, TL)";
    Indian_rupee = "Rupia indiana (₹, INR)";
    Brazilian_real = "Real brasiliano (R$, BRL)";
    South_Korean_won = "Won sudcoreano (₩, KRW)";
    Bulgarian_lev = "Lev bulgaro (лв, BGN)";
    Czech_koruna = "Corona ceca (Kč, CZK)";
    Danish_krone = "Corona danese (kr., DKK, dkr.)";
    Hungarian_forint = "Fiorino ungherese (Ft, HUF)";
    Polish_złoty = "Złoty polacco (zł, PLN)";
    Romanian_leu = "Leu rumeno (L, RON)";
    Hong_Kong_dollar = "Dollaro di Hong Kong (HK$, HKD)";
    Norwegian_krone = "Corona norvegese (NOK, kr)";
    Icelandic_króna = "Corona islandese (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croata (HRK, kn)";
    Indonesian_rupiah = "Rupia indonesiana (IDR, Rp)";
    Israeli_new_shekel = "Nuovo siclo israeliano (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malese (MYR, RM)";
    Philippine_peso = "Peso filippino (PHP, ₱)";
    Singapore_dollar = "Dollaro di Singapore (SGD, S$, $)";
    Thai_baht = "Baht thailandese (THB, ฿)";
    South_African_rand = "Rand sudafricano (ZAR, R)";
    Unit = "Unità";
    Currency = "Valuta";
    NUM_more_currencies = "one{%i altra valuta} other{%i altre valute}";
    Pick_first_currency = "Scegli la prima valuta";
    Pick_second_currency = "Scegli la seconda valuta";
    Length = "Lunghezza";
    NUM_more_lengths = "one{%i altra unità di lunghezza} other{%i altre unità di lunghezza}";
    Pick_first_length = "Scegli la prima lunghezza";
    Pick_second_length = "Scegli la seconda lunghezza";
    Speed = "Velocità";
    NUM_more_speed_units = "one{%i altra unità di velocità} other{%i altre unità di velocità}";
    Pick_first_speed = "Scegli la prima velocità";
    Pick_second_speed = "Scegli la seconda velocità";
    Mass = "Massa";
    NUM_more_mass_units = "one{%i altra unità di massa} other{%i altre unità di massa}";
    Pick_first_mass_unit = "Scegli la prima unità di massa";
    Pick_second_mass_unit = "Scegli la seconda unità di massa";
    Area = "Superficie";
    NUM_more_area_units = "one{%i altra unità di superficie} other{%i altre unità di superficie}";
    Pick_first_area_unit = "Scegli la prima unità di superficie";
    Pick_second_area_unit = "Scegli la seconda unità di superficie";
    Units_of_information = "Unità di informazione";
    NUM_more_units_of_information =
        "one{%i altra unità di informazione} other{%i altre unità di informazione}";
    Pick_first_unit_of_information = "Scegli la prima unità di informazione";
    Pick_second_unit_of_information = "Scegli la seconda unità di informazione";
    Volume = "Volume";
    NUM_more_volumes = "one{%i altra unità di volume} other{%i altre unità di volume}";
    Pick_first_volume = "Scegli la prima unità di volume";
    Pick_second_volume = "Scegli la seconda unità di volume";
    Pressure = "Pressione";
    NUM_more_pressure_units = "one{%i altra unità di pressione} other{%i altre unità di pressione}";
    Pick_first_pressure_unit = "Scegli la prima unità di pressione";
    Pick_second_pressure_unit = "Scegli la seconda unità di pressione";
    Power = "Potenza";
    NUM_more_power_units = "one{%i altra unità di potenza} other{%i altre unità di potenza}";
    Pick_first_power_unit = "Scegli la prima unità di potenza";
    Pick_second_power_unit = "Scegli la seconda unità di potenza";
    Energy = "Energia";
    NUM_more_energy_units = "one{%i altra unità di energia} other{%i altre unità di energia}";
    Pick_first_energy_unit = "Scegli la prima unità di energia";
    Pick_second_energy_unit = "Scegli la seconda unità di energia";
    Time = "Tempo";
    NUM_more_time_units = "one{%i altra unità di tempo} other{%i altre unità di tempo}";
    Pick_first_time_unit = "Scegli la prima unità di tempo";
    Pick_second_time_unit = "Scegli la seconda unità di tempo";
    Fuel_consumption = "Consumo di carburante";
    NUM_more_consumption_units = "one{%i altra unità di consumo} other{%i altre unità di consumo}";
    Pick_first_consumption_unit = "Scegli la prima unità di consumo";
    Pick_second_consumption_unit = "Scegli la seconda unità di consumo";
    US_Miles_per_gallon = "[US]\u00A0Miglia per gallone";
    Miles_per_liter = "Miglia per litro";
    Mile = "Miglio (mile, mi)";
    Kilometer = "Chilometro (km)";
    Meter = "Metro (m)";
    Yard = "Iarda (yd)";
    Foot = "Piede (ft)";
    Decimeter = "Decimetro (dm)";
    Inch = "Pollice";
    Centimeter = "Centimetro (cm)";
    Millimeter = "Millimetro (mm)";
    Micrometer = "Micrometro (μm)";
    Nanometer = "Nanometro (nm)";
    Nautical_mile = "Miglio nautico (M, NM)";
    Light_second = "Secondo luce";
    Light_minute = "Minuto luce (lm)";
    Light_hour = "Ora luce (lh)";
    Light_day = "Giorno luce (ld)";
    Light_year = "Anno luce (al, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Miglia orarie (mph, mi/h)";
    Kilometer_per_hour = "Chilometri orari (km/h)";
    Meter_per_second = "Metro al secondo (m/s, mps)";
    Foot_per_second = "Piede al secondo";
    Knot = "Nodo (kn, kt)";
    Imperial_ton_Long_ton = "Tonnellata lunga (tn. l., ts)";
    Tonne = "Tonnellata";
    US_Ton_Short_Ton = "[US] Tonnellata corta (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Chilogrammo (kg)";
    Pound = "Libbra (lb)";
    Ounce = "Oncia (oz.)";
    Gram = "Grammo (g)";
    Milligram = "Milligrammo (mg)";
    Microgram = "Microgrammo (μg)";
    Square_mile = "Miglio quadrato (mi², sqmi)";
    Square_kilometer = "Chilometro quadrato (km²)";
    Square_meter = "Metro quadrato (m²)";
    Hectare = "Ettaro (ha)";
    Acre = "Acro (ac)";
    Square_centimeter = "Centimetro quadrato (cm²)";
    Square_millimeter = "Millimetro quadrato (mm²)";
    Square_inch = "Pollice quadrato";
    Square_yard = "Iarda quadrata";
    Square_foot = "Piede quadrato";
    Cubic_meter = "Metro cubo (m³)";
    Imperial_gallon = "Gallone imperiale";
    US_liquid_gallon = "Gallone liquido USA (US.liq.gal.)";
    US_dry_gallon = "Gallone secco USA (US.dry.gal.)";
    Imperial_quart = "Quarto imperiale";
    Imperial_pint = "Pinta imperiale";
    Liter = "Litro (l)";
    US_liquid_quart = "Quarto liquido USA (US.liq.qt.)";
    US_liquid_pint = "Pinta liquida USA (US.liq.pt.)";
    US_Fluid_ounce = "[US] Oncia liquida";
    Imperial_cup = "Tazza imperiale";
    Deciliter = "Decilitro (dl)";
    Milliliter = "Millilitro (ml)";
    US_Legal_cup = "[US] Tazza legale";
    Cubic_foot = "Piede cubo (ft3, cft)";
    Cubic_inch = "Pollice cubo (in3, cuin)";
    US_Tablespoon = "[US] Cucchiaio";
    US_Teaspoon = "[US] Cucchiaino";
    Imperial_tablespoon = "Cucchiaio imperiale";
    Metric_tablespoon = "Cucchiaio metrico";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfera standard (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Ettopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Millimetro di mercurio";
    Pounds_per_square_inch = "Libbra per pollice quadrato (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Italian writes CV (cavallo vapore); the row keeps hp(M).
    Metric_horsepower = "Cavallo vapore (CV, hp(M))";
    Watt = "Watt (W)";
    Year = "Anno";
    Week = "Settimana (w)";
    Day = "Giorno (d)";
    Hour = "Ora (h)";
    Minute = "Minuto (min)";
    Second = "Secondo (s)";
    Millisecond = "Millisecondo (ms)";
    Microsecond = "Microsecondo (μs)";
    Nanosecond = "Nanosecondo (ns)";
    Kilocalorie = "Chilocaloria";
    Kilojoule = "Kilojoule";
    Calorie = "Caloria";
    Joule = "Joule";
    Temperature = "Temperatura";
    Celsius = "Grado Celsius";
    Fahrenheit = "Grado Fahrenheit";
    NUM_more_temperatures =
        "one{%i altra unità di temperatura} other{%i altre unità di temperatura}";
    Pick_first_temperature = "Scegli la prima temperatura";
    Pick_second_temperature = "Scegli la seconda temperatura";
    // Recipes shorten cucchiaio, the 15 ml spoon, to "cucch.".
    Metric_Tbsp = "cucch.";
    Unit_of_measurement = "Unità di misura";
    Conversion_of_units = "Conversione di unità";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copia";
    E_mail = "Email";
    Paste = "Incolla";
    Key_plus = "più";
    Key_plus_hint = "aggiungi il numero successivo";
    Key_minus = "meno";
    Key_minus_hint = "sottrai il numero successivo";
    Key_times = "per";
    Key_times_hint = "moltiplica per il numero successivo";
    Key_divide = "diviso";
    Key_divide_hint = "dividi per il numero successivo";
    Key_equals = "uguale";
    Key_equals_hint = "mostra il risultato";
    Key_clear = "cancella";
    Key_clear_hint = "azzera entrambe le righe";
    Key_change_sign = "cambia segno";
    Key_change_sign_hint = "inverti il segno del numero";
    Key_decimal_separator = "separatore decimale";
    Key_decimal_separator_hint = "inizia le cifre decimali";
    Key_switch_units = "scambia unità";
    Key_switch_units_hint = "inverti le due unità";
    Key_choose_units = "scegli unità";
    Key_choose_units_hint = "seleziona le due unità";
    Key_calculator = "calcolatrice";
    Key_calculator_hint = "modalità calcolatrice";
    Key_converter = "convertitore";
    Key_converter_hint = "modalità convertitore";
    Currency_rates_not_downloaded =
        "Nessun tasso di cambio ancora. Arrivano appena Ratio è online.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
