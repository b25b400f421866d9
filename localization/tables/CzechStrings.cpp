#include "localization/tables/CzechStrings.h"

#include "localization/CategoryTexts.h"

namespace ratio {

// Symbols and names that Czech writes exactly as British English does.
const std::vector<std::string_view> CzechStrings::sameAsBritish = {
    "OK_Yes",   "Euro",     "Yard", "Kilogram",  "Gram",  "Bar", "Pascal", "Torr",
    "Megawatt", "Kilowatt", "Watt", "Kilojoule", "Joule", "Bit", "Kelvin", "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

CzechStrings::CzechStrings() {
    China = "Čína";
    Taiwan = "Tchaj-wan";
    Thousandth_of_an_inch = "Tisícina palce";
    Angstrom = "Ångström (Å)";
    Fathom = "Sáh";
    Cancel = "Zrušit";
    Pick_first_unit = "Vyberte první jednotku";
    Done = "Hotovo";
    Back = "Zpět";
    No = "Ne";
    Share = "Sdílet";
    Select_Auswählen = "Vybrat";
    Not_Now = "Teď ne";
    Clear = "Vymazat";
    Search = "Hledat";
    United_States_dollar = "Americký dolar ($, USD)";
    Japanese_yen = "Japonský jen (¥, JPY, 円)";
    UK_Pound_sterling = "Britská libra (£, GBP)";
    Australian_dollar = "Australský dolar ($A, AUD, $)";
    Canadian_dollar = "Kanadský dolar (Can$, CAD, $)";
    Swiss_franc = "Švýcarský frank (SFr., CHF, Fr.)";
    Swedish_krona = "Švédská koruna (Skr, kr, SEK)";
    New_Zealand_dollar = "Novozélandský dolar (NZ$, NZD, $)";
    Mexican_peso = "Mexické peso (Mex$, MXN, $)";
    Russian_ruble = "Ruský rubl (₽, RUB, руб)";
    Turkish_lira = "Turecká lira (₺, TRY, TL)";
    Indian_rupee = "Indická rupie (₹, INR)";
    Brazilian_real = "Brazilský real (R$, BRL)";
    South_Korean_won = "Jihokorejský won (₩, KRW)";
    Bulgarian_lev = "Bulharský lev (лв, BGN)";
    Czech_koruna = "Česká koruna (Kč, CZK)";
    Danish_krone = "Dánská koruna (kr., DKK, dkr.)";
    Hungarian_forint = "Maďarský forint (Ft, HUF)";
    Polish_złoty = "Polský zlotý (zł, PLN)";
    Romanian_leu = "Rumunský leu (L, RON)";
    Hong_Kong_dollar = "Hongkongský dolar (HK$, HKD)";
    Norwegian_krone = "Norská koruna (NOK, kr)";
    Icelandic_króna = "Islandská koruna (ISK, kr, ikr)";
    Croatian_kuna = "Chorvatská kuna (HRK, kn)";
    Indonesian_rupiah = "Indonéská rupie (IDR, Rp)";
    Israeli_new_shekel = "Izraelský nový šekel (ILS, ₪)";
    Malaysian_ringgit = "Malajsijský ringgit (MYR, RM)";
    Philippine_peso = "Filipínské peso (PHP, ₱)";
    Singapore_dollar = "Singapurský dolar (SGD, S$, $)";
    Thai_baht = "Thajský baht (THB, ฿)";
    South_African_rand = "Jihoafrický rand (ZAR, R)";
    Unit = "Jednotka";
    Currency = "Měna";
    Length = "Délka";
    Speed = "Rychlost";
    Mass = "Hmotnost";
    Area = "Plocha";
    Units_of_information = "Jednotky informace";
    Volume = "Objem";
    Pressure = "Tlak";
    Power = "Výkon";
    Energy = "Energie";
    Time = "Čas";
    Fuel_consumption = "Spotřeba paliva";
    Temperature = "Teplota";
    US_Miles_per_gallon = "Míle na americký galon";
    Miles_per_liter = "Míle na litr";
    Mile = "Míle (mile, mi)";
    Kilometer = "Kilometr (km)";
    Meter = "Metr (m)";
    Foot = "Stopa (ft)";
    Decimeter = "Decimetr (dm)";
    Inch = "Palec";
    Centimeter = "Centimetr (cm)";
    Millimeter = "Milimetr (mm)";
    Micrometer = "Mikrometr (μm)";
    Nanometer = "Nanometr (nm)";
    Nautical_mile = "Námořní míle (M, NM)";
    Light_second = "Světelná sekunda";
    Light_minute = "Světelná minuta (lm)";
    Light_hour = "Světelná hodina (lh)";
    Light_day = "Světelný den (ld)";
    Light_year = "Světelný rok (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Míle za hodinu (mph, mi/h)";
    Kilometer_per_hour = "Kilometry za hodinu (km/h)";
    Meter_per_second = "Metr za sekundu (m/s, mps)";
    Foot_per_second = "Stopa za sekundu";
    Knot = "Uzel (kn, kt)";
    Imperial_ton_Long_ton = "Britská tuna / Dlouhá tuna (tn. l., ts)";
    Tonne = "Tuna";
    US_Ton_Short_Ton = "Americká tuna / Krátká tuna (tn. sh.)";
    Stone = "Kámen";
    Pound = "Libra (lb)";
    Ounce = "Unce (oz.)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Míle čtvereční (mi², sqmi)";
    Square_kilometer = "Kilometr čtvereční (km²)";
    Square_meter = "Metr čtvereční (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Akr (ac)";
    Square_centimeter = "Centimetr čtvereční (cm²)";
    Square_millimeter = "Milimetr čtvereční (mm²)";
    Square_inch = "Palec čtvereční";
    Square_yard = "Yard čtvereční";
    Square_foot = "Stopa čtvereční";
    Cubic_meter = "Metr krychlový (m³)";
    Imperial_gallon = "Britský galon";
    US_liquid_gallon = "Americký galon (US.liq.gal.)";
    US_dry_gallon = "Americký suchý galon (US.dry.gal.)";
    Imperial_quart = "Britský kvart";
    Imperial_pint = "Britská pinta";
    Liter = "Litr (l)";
    US_liquid_quart = "Americký kvart (US.liq.qt.)";
    US_liquid_pint = "Americká pinta (US.liq.pt.)";
    US_Fluid_ounce = "Americká dutá unce";
    Imperial_cup = "Britský šálek";
    Deciliter = "Decilitr (dl)";
    Milliliter = "Mililitr (ml)";
    US_Legal_cup = "Americký šálek";
    Cubic_foot = "Stopa krychlová (ft3, cft)";
    Cubic_inch = "Palec krychlový (in3, cuin)";
    US_Tablespoon = "Americká polévková lžíce";
    US_Teaspoon = "Americká čajová lžička";
    Imperial_tablespoon = "Britská polévková lžíce";
    Metric_tablespoon = "Metrická polévková lžíce";
    Standard_atmosphere = "Fyzikální atmosféra (atm)";
    Hectopascal = "Hektopascal";
    Millibar = "Milibar";
    Millimeter_of_mercury = "Milimetr rtuťového sloupce";
    Pounds_per_square_inch = "Libra na čtvereční palec (psi, lbf/in2)";
    // Czech writes "k" (koní) for metric horsepower; the row keeps hp(M).
    Metric_horsepower = "Koňská síla (k, hp(M))";
    Year = "Rok";
    Week = "Týden (w)";
    Day = "Den (d)";
    Hour = "Hodina (h)";
    Minute = "Minuta (min)";
    Second = "Sekunda (s)";
    Millisecond = "Milisekunda (ms)";
    Microsecond = "Mikrosekunda (μs)";
    Nanosecond = "Nanosekunda (ns)";
    Kilocalorie = "Kilokalorie";
    Calorie = "Kalorie";
    Zettabyte = "Zettabajt";
    Exabyte = "Exabajt";
    Petabyte = "Petabajt";
    Terabyte = "Terabajt";
    Gigabyte = "Gigabajt";
    Megabyte = "Megabajt";
    Kibibyte = "Kibibajt";
    Kilobyte = "Kilobajt";
    Byte = "Bajt";
    Celsius = "Stupeň Celsia";
    Fahrenheit = "Stupeň Fahrenheita";
    // Czech recipes write the 15 ml spoon as "PL" (polévková lžíce).
    Metric_Tbsp = "PL";
    Unit_of_measurement = "Měrná jednotka";
    Conversion_of_units = "Převod jednotek";

    // Counts take the three Czech forms: 1 další jednotka, 2 další jednotky,
    // 5 dalších jednotek; a unit "of length" is the genitive after them.
    // The prompts keep the category's name alone in a bracket, uninflected.
    const std::string pickSecondUnit = "Vyberte druhou jednotku";
    for (const CategoryTexts& category : categoryTexts()) {
        const std::string& name = this->*category.name;
        this->*category.pickFirst = Pick_first_unit + " [" + name + "]";
        this->*category.pickSecond = pickSecondUnit + " [" + name + "]";
    }
    NUM_more_currencies = "one{%i další měna} few{%i další měny} other{%i dalších měn}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{%i další jednotka " + genitive + "} few{%i další jednotky " + genitive +
               "} other{%i dalších jednotek " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("délky");
    NUM_more_speed_units = moreUnitsOf("rychlosti");
    NUM_more_mass_units = moreUnitsOf("hmotnosti");
    NUM_more_area_units = moreUnitsOf("plochy");
    NUM_more_units_of_information = moreUnitsOf("informace");
    NUM_more_volumes = moreUnitsOf("objemu");
    NUM_more_pressure_units = moreUnitsOf("tlaku");
    NUM_more_power_units = moreUnitsOf("výkonu");
    NUM_more_energy_units = moreUnitsOf("energie");
    NUM_more_time_units = moreUnitsOf("času");
    NUM_more_temperatures = moreUnitsOf("teploty");
    NUM_more_consumption_units = moreUnitsOf("spotřeby");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopírovat";
    E_mail = "E-mail";
    Paste = "Vložit";
    Key_plus = "Plus";
    Key_plus_hint = "Přičíst další číslo";
    Key_minus = "Minus";
    Key_minus_hint = "Odečíst další číslo";
    Key_times = "Krát";
    Key_times_hint = "Vynásobit dalším číslem";
    Key_divide = "Děleno";
    Key_divide_hint = "Vydělit dalším číslem";
    Key_equals = "Rovná se";
    Key_equals_hint = "Zobrazit výsledek";
    Key_clear = "Vymazat";
    Key_clear_hint = "Vynulovat oba řádky";
    Key_change_sign = "Změnit znaménko";
    Key_change_sign_hint = "Změnit znaménko čísla";
    Key_decimal_separator = "Desetinný oddělovač";
    Key_decimal_separator_hint = "Začít desetinná místa";
    Key_switch_units = "Prohodit jednotky";
    Key_switch_units_hint = "Prohodit obě jednotky";
    Key_choose_units = "Vybrat jednotky";
    Key_choose_units_hint = "Vybrat obě jednotky";
    Key_calculator = "Kalkulačka";
    Key_calculator_hint = "Režim kalkulačky";
    Key_converter = "Převodník";
    Key_converter_hint = "Režim převodníku";
    Currency_rates_not_downloaded =
        "Kurzy měn ještě nejsou stažené. Přijdou, jakmile bude Ratio online.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Jüan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
