#include "localization/tables/HungarianStrings.h"

#include <string>

namespace ratio {

// Symbols and names Hungarian writes exactly as British English does.
const std::vector<std::string_view> HungarianStrings::sameAsBritish = {
    "OK_Yes",   "Thai_baht", "Yard", "Stone",     "Acre",  "Bar", "Pascal", "Millibar", "Torr",
    "Megawatt", "Kilowatt",  "Watt", "Kilojoule", "Joule", "Bit", "Kelvin", "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

HungarianStrings::HungarianStrings() {
    China = "Kína";
    Taiwan = "Tajvan";
    Thousandth_of_an_inch = "Ezredhüvelyk";
    Angstrom = "Ångström (Å)";
    Fathom = "Öl";
    Cancel = "Mégse";
    Pick_first_unit = "Első egység kiválasztása";
    Done = "Kész";
    Back = "Vissza";
    OK_Yes = "OK";
    No = "Nem";
    Share = "Megosztás";
    Select_Auswählen = "Kiválasztás";
    Not_Now = "Most nem";
    Clear = "Törlés";
    Search = "Keresés";
    Euro = "Euró (€, EUR)";
    United_States_dollar = "USA-dollár ($, USD)";
    Japanese_yen = "Japán jen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Angol font (£, GBP)";
    Australian_dollar = "Ausztrál dollár ($A, AUD, $)";
    Canadian_dollar = "Kanadai dollár (Can$, CAD, $)";
    Swiss_franc = "Svájci frank (SFr., CHF, Fr.)";
    Swedish_krona = "Svéd korona (Skr, kr, SEK)";
    New_Zealand_dollar = "Új-zélandi dollár (NZ$, NZD, $)";
    Mexican_peso = "Mexikói peso (Mex$, MXN, $)";
    Russian_ruble = "Orosz rubel (₽, RUB, руб)";
    Turkish_lira = "Török líra (₺, TRY, TL)";
    Indian_rupee = "Indiai rúpia (₹, INR)";
    Brazilian_real = "Brazil real (R$, BRL)";
    South_Korean_won = "Dél-koreai won (₩, KRW)";
    Bulgarian_lev = "Bolgár leva (лв, BGN)";
    Czech_koruna = "Cseh korona (Kč, CZK)";
    Danish_krone = "Dán korona (kr., DKK, dkr.)";
    Hungarian_forint = "Magyar forint (Ft, HUF)";
    Polish_złoty = "Lengyel zloty (zł, PLN)";
    Romanian_leu = "Román lej (L, RON)";
    Hong_Kong_dollar = "Hongkongi dollár (HK$, HKD)";
    Norwegian_krone = "Norvég korona (NOK, kr)";
    Icelandic_króna = "Izlandi korona (ISK, kr, ikr)";
    Croatian_kuna = "Horvát kuna (HRK, kn)";
    Indonesian_rupiah = "Indonéz rúpia (IDR, Rp)";
    Israeli_new_shekel = "Izraeli új sékel (ILS, ₪)";
    Malaysian_ringgit = "Malajziai ringgit (MYR, RM)";
    Philippine_peso = "Fülöp-szigeteki peso (PHP, ₱)";
    Singapore_dollar = "Szingapúri dollár (SGD, S$, $)";
    Thai_baht = "Thai baht (THB, ฿)";
    South_African_rand = "Dél-afrikai rand (ZAR, R)";
    Unit = "Egység";
    Currency = "Pénznem";
    Pick_first_currency = "Első pénznem kiválasztása";
    Pick_second_currency = "Második pénznem kiválasztása";
    Length = "Hosszúság";
    Pick_first_length = "Első hosszegység kiválasztása";
    Pick_second_length = "Második hosszegység kiválasztása";
    Speed = "Sebesség";
    Pick_first_speed = "Első sebességegység kiválasztása";
    Pick_second_speed = "Második sebességegység kiválasztása";
    Mass = "Tömeg";
    Pick_first_mass_unit = "Első tömegegység kiválasztása";
    Pick_second_mass_unit = "Második tömegegység kiválasztása";
    Area = "Terület";
    Pick_first_area_unit = "Első területegység kiválasztása";
    Pick_second_area_unit = "Második területegység kiválasztása";
    Units_of_information = "Információegységek";
    Pick_first_unit_of_information = "Első információegység kiválasztása";
    Pick_second_unit_of_information = "Második információegység kiválasztása";
    Volume = "Térfogat";
    Pick_first_volume = "Első térfogategység kiválasztása";
    Pick_second_volume = "Második térfogategység kiválasztása";
    Pressure = "Nyomás";
    Pick_first_pressure_unit = "Első nyomásegység kiválasztása";
    Pick_second_pressure_unit = "Második nyomásegység kiválasztása";
    Power = "Teljesítmény";
    Pick_first_power_unit = "Első teljesítményegység kiválasztása";
    Pick_second_power_unit = "Második teljesítményegység kiválasztása";
    Energy = "Energia";
    Pick_first_energy_unit = "Első energiaegység kiválasztása";
    Pick_second_energy_unit = "Második energiaegység kiválasztása";
    Time = "Idő";
    Pick_first_time_unit = "Első időegység kiválasztása";
    Pick_second_time_unit = "Második időegység kiválasztása";
    Fuel_consumption = "Üzemanyag-fogyasztás";
    Pick_first_consumption_unit = "Első fogyasztási egység kiválasztása";
    Pick_second_consumption_unit = "Második fogyasztási egység kiválasztása";
    US_Miles_per_gallon = "[US]\u00A0Mérföld per gallon";
    Miles_per_liter = "Mérföld per liter";
    Mile = "Mérföld (mile, mi)";
    Kilometer = "Kilométer (km)";
    Meter = "Méter (m)";
    Yard = "Yard (yd)";
    Foot = "Láb (ft)";
    Decimeter = "Deciméter (dm)";
    Inch = "Hüvelyk";
    Centimeter = "Centiméter (cm)";
    Millimeter = "Milliméter (mm)";
    Micrometer = "Mikrométer (μm)";
    Nanometer = "Nanométer (nm)";
    Nautical_mile = "Tengeri mérföld (M, NM)";
    Light_second = "Fénymásodperc";
    Light_minute = "Fényperc (lm)";
    Light_hour = "Fényóra (lh)";
    Light_day = "Fénynap (ld)";
    Light_year = "Fényév (ly)";
    Parsec = "Parszek";
    Miles_per_hour = "Mérföld per óra (mph, mi/h)";
    Kilometer_per_hour = "Kilométer per óra (km/h)";
    Meter_per_second = "Méter per másodperc (m/s, mps)";
    Foot_per_second = "Láb per másodperc";
    Knot = "Csomó (kn, kt)";
    Imperial_ton_Long_ton = "Angol tonna / Hosszú tonna (tn. l., ts)";
    Tonne = "Tonna";
    US_Ton_Short_Ton = "[US] Amerikai tonna / Rövid tonna (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogramm (kg)";
    Pound = "Font (lb)";
    Ounce = "Uncia (oz.)";
    Gram = "Gramm (g)";
    Milligram = "Milligramm (mg)";
    Microgram = "Mikrogramm (μg)";
    Square_mile = "Négyzetmérföld (mi², sqmi)";
    Square_kilometer = "Négyzetkilométer (km²)";
    Square_meter = "Négyzetméter (m²)";
    Hectare = "Hektár (ha)";
    // Hungarian CLDR calls the acre "hold", an old Hungarian area of another
    // size; the English unit keeps its own name.
    Acre = "Acre (ac)";
    Square_centimeter = "Négyzetcentiméter (cm²)";
    Square_millimeter = "Négyzetmilliméter (mm²)";
    Square_inch = "Négyzethüvelyk";
    Square_yard = "Négyzetyard";
    Square_foot = "Négyzetláb";
    Cubic_meter = "Köbméter (m³)";
    Imperial_gallon = "Birodalmi gallon";
    US_liquid_gallon = "Amerikai gallon (US.liq.gal.)";
    US_dry_gallon = "Amerikai száraz gallon (US.dry.gal.)";
    Imperial_quart = "Birodalmi quart";
    Imperial_pint = "Birodalmi pint";
    Liter = "Liter (l)";
    US_liquid_quart = "Amerikai quart (US.liq.qt.)";
    US_liquid_pint = "Amerikai pint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Folyadékuncia";
    Imperial_cup = "Birodalmi csésze";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Törvényes csésze";
    Cubic_foot = "Köbláb (ft3, cft)";
    Cubic_inch = "Köbhüvelyk (in3, cuin)";
    US_Tablespoon = "[US] Evőkanál";
    US_Teaspoon = "[US] Kávéskanál";
    Imperial_tablespoon = "Birodalmi evőkanál";
    Metric_tablespoon = "Metrikus evőkanál";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Fizikai atmoszféra (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Higanymilliméter";
    Pounds_per_square_inch = "Font per négyzethüvelyk (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Hungarian writes LE (lóerő); the row keeps hp(M).
    Metric_horsepower = "Lóerő (LE, hp(M))";
    Watt = "Watt (W)";
    Year = "Év";
    Week = "Hét (w)";
    Day = "Nap (d)";
    Hour = "Óra (h)";
    Minute = "Perc (min)";
    Second = "Másodperc (s)";
    Millisecond = "Ezredmásodperc (ms)";
    Microsecond = "Mikroszekundum (μs)";
    Nanosecond = "Nanoszekundum (ns)";
    Kilocalorie = "Kilokalória";
    Kilojoule = "Kilojoule";
    Calorie = "Kalória";
    Joule = "Joule";
    Zettabyte = "Zettabájt";
    Exabyte = "Exabájt";
    Petabyte = "Petabájt";
    Terabyte = "Terabájt";
    Gigabyte = "Gigabájt";
    Megabyte = "Megabájt";
    Kibibyte = "Kibibájt";
    Kilobyte = "Kilobájt";
    Byte = "Bájt";
    Temperature = "Hőmérséklet";
    Celsius = "Celsius-fok";
    Fahrenheit = "Fahrenheit-fok";
    Pick_first_temperature = "Első hőmérséklet-egység kiválasztása";
    Pick_second_temperature = "Második hőmérséklet-egység kiválasztása";
    // Recipes write the 15 ml spoon as "ek" (evőkanál).
    Metric_Tbsp = "ek";
    Unit_of_measurement = "Mértékegység";
    Conversion_of_units = "Mértékegység-átváltás";

    // A Hungarian noun stays singular after any number, so both forms read alike.
    NUM_more_currencies = "one{Még %i pénznem} other{Még %i pénznem}";
    const auto moreUnits = [](const std::string& unit) {
        return "one{Még %i " + unit + "} other{Még %i " + unit + "}";
    };
    NUM_more_lengths = moreUnits("hosszegység");
    NUM_more_speed_units = moreUnits("sebességegység");
    NUM_more_mass_units = moreUnits("tömegegység");
    NUM_more_area_units = moreUnits("területegység");
    NUM_more_units_of_information = moreUnits("információegység");
    NUM_more_volumes = moreUnits("térfogategység");
    NUM_more_pressure_units = moreUnits("nyomásegység");
    NUM_more_power_units = moreUnits("teljesítményegység");
    NUM_more_energy_units = moreUnits("energiaegység");
    NUM_more_time_units = moreUnits("időegység");
    NUM_more_temperatures = moreUnits("hőmérséklet-egység");
    NUM_more_consumption_units = moreUnits("fogyasztási egység");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Másolás";
    E_mail = "E-mail";
    Paste = "Beillesztés";
    Key_plus = "Plusz";
    Key_plus_hint = "A következő szám hozzáadása";
    Key_minus = "Mínusz";
    Key_minus_hint = "A következő szám kivonása";
    Key_times = "Szorozva";
    Key_times_hint = "Szorzás a következő számmal";
    Key_divide = "Osztva";
    Key_divide_hint = "Osztás a következő számmal";
    Key_equals = "Egyenlő";
    Key_equals_hint = "Az eredmény megjelenítése";
    Key_clear = "Törlés";
    Key_clear_hint = "Mindkét sor nullázása";
    Key_change_sign = "Előjelváltás";
    Key_change_sign_hint = "A szám előjelének megfordítása";
    Key_decimal_separator = "Tizedesjel";
    Key_decimal_separator_hint = "A tizedesjegyek megkezdése";
    Key_switch_units = "Mértékegységek felcserélése";
    Key_switch_units_hint = "A két mértékegység felcserélése";
    Key_choose_units = "Mértékegységek kiválasztása";
    Key_choose_units_hint = "A két mértékegység kiválasztása";
    Key_calculator = "Számológép";
    Key_calculator_hint = "Számológép mód";
    Key_converter = "Átváltó";
    Key_converter_hint = "Átváltó mód";
    Currency_rates_not_downloaded =
        "Az árfolyamok még nincsenek letöltve. Megérkeznek, amint a Ratio online lesz.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Jüan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
