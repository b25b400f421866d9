#include "localization/tables/SlovacStrings.h"

#include <string>

namespace ratio {

// Symbols and names Slovak writes exactly as British English does; Taiwan is
// the same word, so the romanized Taiwanese names are too.
const std::vector<std::string_view> SlovacStrings::sameAsBritish = {
    "Taiwan",    "Angstrom",  "OK_Yes",     "Euro",       "Yard",      "Kilogram",
    "Gram",      "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘", "Taiwan_Pêⁿ",
    "Bar",       "Pascal",    "Torr",       "Megawatt",   "Kilowatt",  "Watt",
    "Kilojoule", "Joule",     "Bit",        "Kelvin",     "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

SlovacStrings::SlovacStrings() {
    China = "Čína";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tisícina palca";
    Angstrom = "Angstrom (Å)";
    Fathom = "Siaha";
    Cancel = "Zrušiť";
    Pick_first_unit = "Vyberte prvú jednotku";
    Done = "Hotovo";
    Back = "Späť";
    OK_Yes = "OK";
    No = "Nie";
    Share = "Zdieľať";
    Select_Auswählen = "Vybrať";
    Not_Now = "Teraz nie";
    Clear = "Vymazať";
    Search = "Hľadať";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Americký dolár ($, USD)";
    Japanese_yen = "Japonský jen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Britská libra (£, GBP)";
    Australian_dollar = "Austrálsky dolár ($A, AUD, $)";
    Canadian_dollar = "Kanadský dolár (Can$, CAD, $)";
    Swiss_franc = "Švajčiarsky frank (SFr., CHF, Fr.)";
    Swedish_krona = "Švédska koruna (Skr, kr, SEK)";
    New_Zealand_dollar = "Novozélandský dolár (NZ$, NZD, $)";
    Mexican_peso = "Mexické peso (Mex$, MXN, $)";
    Russian_ruble = "Ruský rubeľ (₽, RUB, руб)";
    Turkish_lira = "Turecká líra (₺, TRY, TL)";
    Indian_rupee = "Indická rupia (₹, INR)";
    Brazilian_real = "Brazílsky real (R$, BRL)";
    South_Korean_won = "Juhokórejský won (₩, KRW)";
    Bulgarian_lev = "Bulharský lev (лв, BGN)";
    Czech_koruna = "Česká koruna (Kč, CZK)";
    Danish_krone = "Dánska koruna (kr., DKK, dkr.)";
    Hungarian_forint = "Maďarský forint (Ft, HUF)";
    Polish_złoty = "Poľský zlotý (zł, PLN)";
    Romanian_leu = "Rumunský lei (L, RON)";
    Hong_Kong_dollar = "Hongkonský dolár (HK$, HKD)";
    Norwegian_krone = "Nórska koruna (NOK, kr)";
    Icelandic_króna = "Islandská koruna (ISK, kr, ikr)";
    Croatian_kuna = "Chorvátska kuna (HRK, kn)";
    Indonesian_rupiah = "Indonézska rupia (IDR, Rp)";
    Israeli_new_shekel = "Izraelský nový šekel (ILS, ₪)";
    Malaysian_ringgit = "Malajzijský ringgit (MYR, RM)";
    Philippine_peso = "Filipínske peso (PHP, ₱)";
    Singapore_dollar = "Singapurský dolár (SGD, S$, $)";
    Thai_baht = "Thajský baht (THB, ฿)";
    South_African_rand = "Juhoafrický rand (ZAR, R)";
    Unit = "Jednotka";
    Currency = "Mena";
    Pick_first_currency = "Vyberte prvú menu";
    Pick_second_currency = "Vyberte druhú menu";
    Length = "Dĺžka";
    Pick_first_length = "Vyberte prvú jednotku dĺžky";
    Pick_second_length = "Vyberte druhú jednotku dĺžky";
    Speed = "Rýchlosť";
    Pick_first_speed = "Vyberte prvú jednotku rýchlosti";
    Pick_second_speed = "Vyberte druhú jednotku rýchlosti";
    Mass = "Hmotnosť";
    Pick_first_mass_unit = "Vyberte prvú jednotku hmotnosti";
    Pick_second_mass_unit = "Vyberte druhú jednotku hmotnosti";
    Area = "Plocha";
    Pick_first_area_unit = "Vyberte prvú jednotku plochy";
    Pick_second_area_unit = "Vyberte druhú jednotku plochy";
    Units_of_information = "Jednotky informácie";
    Pick_first_unit_of_information = "Vyberte prvú jednotku informácie";
    Pick_second_unit_of_information = "Vyberte druhú jednotku informácie";
    Volume = "Objem";
    Pick_first_volume = "Vyberte prvú jednotku objemu";
    Pick_second_volume = "Vyberte druhú jednotku objemu";
    Pressure = "Tlak";
    Pick_first_pressure_unit = "Vyberte prvú jednotku tlaku";
    Pick_second_pressure_unit = "Vyberte druhú jednotku tlaku";
    Power = "Výkon";
    Pick_first_power_unit = "Vyberte prvú jednotku výkonu";
    Pick_second_power_unit = "Vyberte druhú jednotku výkonu";
    Energy = "Energia";
    Pick_first_energy_unit = "Vyberte prvú jednotku energie";
    Pick_second_energy_unit = "Vyberte druhú jednotku energie";
    Time = "Čas";
    Pick_first_time_unit = "Vyberte prvú jednotku času";
    Pick_second_time_unit = "Vyberte druhú jednotku času";
    Fuel_consumption = "Spotreba paliva";
    Pick_first_consumption_unit = "Vyberte prvú jednotku spotreby";
    Pick_second_consumption_unit = "Vyberte druhú jednotku spotreby";
    US_Miles_per_gallon = "[US]\u00A0Míle na galón";
    Miles_per_liter = "Míle na liter";
    Mile = "Míľa (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Stopa (ft)";
    Decimeter = "Decimeter (dm)";
    Inch = "Palec";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Milimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Námorná míľa (M, NM)";
    Light_second = "Svetelná sekunda";
    Light_minute = "Svetelná minúta (lm)";
    Light_hour = "Svetelná hodina (lh)";
    Light_day = "Svetelný deň (ld)";
    Light_year = "Svetelný rok (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Míle za hodinu (mph, mi/h)";
    Kilometer_per_hour = "Kilometre za hodinu (km/h)";
    Meter_per_second = "Meter za sekundu (m/s, mps)";
    Foot_per_second = "Stopa za sekundu";
    Knot = "Uzol (kn, kt)";
    Imperial_ton_Long_ton = "Britská tona / Dlhá tona (tn. l., ts)";
    Tonne = "Tona";
    US_Ton_Short_Ton = "[US] Americká tona / Krátka tona (tn. sh.)";
    Stone = "Kameň";
    Kilogram = "Kilogram (kg)";
    Pound = "Libra (lb)";
    Ounce = "Unca (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Míľa štvorcová (mi², sqmi)";
    Square_kilometer = "Kilometer štvorcový (km²)";
    Square_meter = "Meter štvorcový (m²)";
    Hectare = "Hektár (ha)";
    Acre = "Aker (ac)";
    Square_centimeter = "Centimeter štvorcový (cm²)";
    Square_millimeter = "Milimeter štvorcový (mm²)";
    Square_inch = "Štvorcový palec";
    Square_yard = "Štvorcový yard";
    Square_foot = "Štvorcová stopa";
    Cubic_meter = "Kubický meter (m³)";
    Imperial_gallon = "Britský galón";
    US_liquid_gallon = "Americký galón (US.liq.gal.)";
    US_dry_gallon = "Americký suchý galón (US.dry.gal.)";
    Imperial_quart = "Britský quart";
    Imperial_pint = "Britská pinta";
    Liter = "Liter (l)";
    US_liquid_quart = "Americký quart (US.liq.qt.)";
    US_liquid_pint = "Americká pinta (US.liq.pt.)";
    US_Fluid_ounce = "[US] Tekutá unca";
    Imperial_cup = "Britský hrnček";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Mililiter (ml)";
    US_Legal_cup = "[US] Zákonný hrnček";
    Cubic_foot = "Kubická stopa (ft3, cft)";
    Cubic_inch = "Kubický palec (in3, cuin)";
    US_Tablespoon = "[US] Polievková lyžica";
    US_Teaspoon = "[US] Čajová lyžica";
    Imperial_tablespoon = "Britská polievková lyžica";
    Metric_tablespoon = "Metrická polievková lyžica";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Fyzikálna atmosféra (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimeter ortuťového stĺpca";
    Pounds_per_square_inch = "Libra na štvorcový palec (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Slovak writes k (koní); the row keeps hp(M).
    Metric_horsepower = "Konská sila (k, hp(M))";
    Watt = "Watt (W)";
    Year = "Rok";
    Week = "Týždeň (w)";
    Day = "Deň (d)";
    Hour = "Hodina (h)";
    Minute = "Minúta (min)";
    Second = "Sekunda (s)";
    Millisecond = "Milisekunda (ms)";
    Microsecond = "Mikrosekunda (μs)";
    Nanosecond = "Nanosekunda (ns)";
    Kilocalorie = "Kilokalória";
    Kilojoule = "Kilojoule";
    Calorie = "Kalória";
    Joule = "Joule";
    Zettabyte = "Zettabajt";
    Exabyte = "Exabajt";
    Petabyte = "Petabajt";
    Terabyte = "Terabajt";
    Gigabyte = "Gigabajt";
    Megabyte = "Megabajt";
    Kibibyte = "Kibibajt";
    Kilobyte = "Kilobajt";
    Byte = "Bajt";
    Temperature = "Teplota";
    Celsius = "Stupeň Celzia";
    Fahrenheit = "Stupeň Fahrenheita";
    Pick_first_temperature = "Vyberte prvú jednotku teploty";
    Pick_second_temperature = "Vyberte druhú jednotku teploty";
    // Slovak recipes write the 15 ml spoon as "PL" (polievková lyžica).
    Metric_Tbsp = "PL";
    Unit_of_measurement = "Merná jednotka";
    Conversion_of_units = "Prevod jednotiek";

    // Counts take the three Slovak forms: 1 ďalšia jednotka, 2 ďalšie
    // jednotky, 5 ďalších jednotiek, followed by the genitive.
    NUM_more_currencies = "one{%i ďalšia mena} few{%i ďalšie meny} other{%i ďalších mien}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{%i ďalšia jednotka " + genitive + "} few{%i ďalšie jednotky " + genitive +
               "} other{%i ďalších jednotiek " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("dĺžky");
    NUM_more_speed_units = moreUnitsOf("rýchlosti");
    NUM_more_mass_units = moreUnitsOf("hmotnosti");
    NUM_more_area_units = moreUnitsOf("plochy");
    NUM_more_units_of_information = moreUnitsOf("informácie");
    NUM_more_volumes = moreUnitsOf("objemu");
    NUM_more_pressure_units = moreUnitsOf("tlaku");
    NUM_more_power_units = moreUnitsOf("výkonu");
    NUM_more_energy_units = moreUnitsOf("energie");
    NUM_more_time_units = moreUnitsOf("času");
    NUM_more_temperatures = moreUnitsOf("teploty");
    NUM_more_consumption_units = moreUnitsOf("spotreby");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopírovať";
    E_mail = "E-mail";
    Paste = "Prilepiť";
    Key_plus = "Plus";
    Key_plus_hint = "Pripočítať ďalšie číslo";
    Key_minus = "Mínus";
    Key_minus_hint = "Odpočítať ďalšie číslo";
    Key_times = "Krát";
    Key_times_hint = "Vynásobiť ďalším číslom";
    Key_divide = "Delené";
    Key_divide_hint = "Vydeliť ďalším číslom";
    Key_equals = "Rovná sa";
    Key_equals_hint = "Zobraziť výsledok";
    Key_clear = "Vymazať";
    Key_clear_hint = "Vynulovať oba riadky";
    Key_change_sign = "Zmeniť znamienko";
    Key_change_sign_hint = "Zmeniť znamienko čísla";
    Key_decimal_separator = "Desatinný oddeľovač";
    Key_decimal_separator_hint = "Začať desatinné miesta";
    Key_switch_units = "Vymeniť jednotky";
    Key_switch_units_hint = "Vymeniť obe jednotky";
    Key_choose_units = "Vybrať jednotky";
    Key_choose_units_hint = "Vybrať obe jednotky";
    Key_calculator = "Kalkulačka";
    Key_calculator_hint = "Režim kalkulačky";
    Key_converter = "Prevodník";
    Key_converter_hint = "Režim prevodníka";
    Currency_rates_not_downloaded =
        "Kurzy mien ešte nie sú stiahnuté. Prídu, keď bude Ratio online.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Jüan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
