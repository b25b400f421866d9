#include "localization/tables/FinnishStrings.h"

#include <string>

namespace ratio {

// Symbols and names Finnish writes exactly as British English does; Taiwan
// is the same word, so the romanized Taiwanese names are too, and "Bulgarian"
// and "Romanian" are also the Finnish genitives of the two countries.
const std::vector<std::string_view> FinnishStrings::sameAsBritish = {
    "Taiwan",    "OK_Yes",     "Euro",       "Bulgarian_lev", "Romanian_leu", "Stone",
    "Taiwan_Lê", "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘",     "Taiwan_Pêⁿ",   "Pascal",
    "Torr",      "Kilojoule",  "Joule",      "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

FinnishStrings::FinnishStrings() {
    China = "Kiina";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tuhannesosatuuma";
    Angstrom = "Ångström (Å)";
    Fathom = "Syli";
    Cancel = "Peruuta";
    Pick_first_unit = "Valitse ensimmäinen yksikkö";
    Done = "Valmis";
    Back = "Takaisin";
    OK_Yes = "OK";
    No = "Ei";
    Share = "Jaa";
    Select_Auswählen = "Valitse";
    Not_Now = "Ei nyt";
    Clear = "Tyhjennä";
    Search = "Hae";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Yhdysvaltain dollari ($, USD)";
    Japanese_yen = "Japanin jeni (¥, JPY, 円)";
    // The country is in the name, so no region bracket.
    UK_Pound_sterling = "Englannin punta (£, GBP)";
    Australian_dollar = "Australian dollari ($A, AUD, $)";
    Canadian_dollar = "Kanadan dollari (Can$, CAD, $)";
    Swiss_franc = "Sveitsin frangi (SFr., CHF, Fr.)";
    Swedish_krona = "Ruotsin kruunu (Skr, kr, SEK)";
    New_Zealand_dollar = "Uuden-Seelannin dollari (NZ$, NZD, $)";
    Mexican_peso = "Meksikon peso (Mex$, MXN, $)";
    Russian_ruble = "Venäjän rupla (₽, RUB, руб)";
    Turkish_lira = "Turkin liira (₺, TRY, TL)";
    Indian_rupee = "Intian rupia (₹, INR)";
    Brazilian_real = "Brasilian real (R$, BRL)";
    South_Korean_won = "Etelä-Korean won (₩, KRW)";
    Bulgarian_lev = "Bulgarian lev (лв, BGN)";
    Czech_koruna = "Tšekin koruna (Kč, CZK)";
    Danish_krone = "Tanskan kruunu (kr., DKK, dkr.)";
    Hungarian_forint = "Unkarin forintti (Ft, HUF)";
    Polish_złoty = "Puolan złoty (zł, PLN)";
    Romanian_leu = "Romanian leu (L, RON)";
    Hong_Kong_dollar = "Hongkongin dollari (HK$, HKD)";
    Norwegian_krone = "Norjan kruunu (NOK, kr)";
    Icelandic_króna = "Islannin kruunu (ISK, kr, ikr)";
    Croatian_kuna = "Kroatian kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesian rupia (IDR, Rp)";
    Israeli_new_shekel = "Israelin uusi sekeli (ILS, ₪)";
    Malaysian_ringgit = "Malesian ringgit (MYR, RM)";
    Philippine_peso = "Filippiinien peso (PHP, ₱)";
    Singapore_dollar = "Singaporen dollari (SGD, S$, $)";
    Thai_baht = "Thaimaan baht (THB, ฿)";
    South_African_rand = "Etelä-Afrikan randi (ZAR, R)";
    Unit = "Yksikkö";
    Currency = "Valuutta";
    Pick_first_currency = "Valitse ensimmäinen valuutta";
    Pick_second_currency = "Valitse toinen valuutta";
    Length = "Pituus";
    Pick_first_length = "Valitse ensimmäinen pituusyksikkö";
    Pick_second_length = "Valitse toinen pituusyksikkö";
    Speed = "Nopeus";
    Pick_first_speed = "Valitse ensimmäinen nopeusyksikkö";
    Pick_second_speed = "Valitse toinen nopeusyksikkö";
    Mass = "Massa";
    Pick_first_mass_unit = "Valitse ensimmäinen massayksikkö";
    Pick_second_mass_unit = "Valitse toinen massayksikkö";
    Area = "Pinta-ala";
    Pick_first_area_unit = "Valitse ensimmäinen pinta-alayksikkö";
    Pick_second_area_unit = "Valitse toinen pinta-alayksikkö";
    Units_of_information = "Tietomäärän yksiköt";
    Pick_first_unit_of_information = "Valitse ensimmäinen tietomäärän yksikkö";
    Pick_second_unit_of_information = "Valitse toinen tietomäärän yksikkö";
    Volume = "Tilavuus";
    Pick_first_volume = "Valitse ensimmäinen tilavuusyksikkö";
    Pick_second_volume = "Valitse toinen tilavuusyksikkö";
    Pressure = "Paine";
    Pick_first_pressure_unit = "Valitse ensimmäinen paineyksikkö";
    Pick_second_pressure_unit = "Valitse toinen paineyksikkö";
    Power = "Teho";
    Pick_first_power_unit = "Valitse ensimmäinen tehoyksikkö";
    Pick_second_power_unit = "Valitse toinen tehoyksikkö";
    Energy = "Energia";
    Pick_first_energy_unit = "Valitse ensimmäinen energiayksikkö";
    Pick_second_energy_unit = "Valitse toinen energiayksikkö";
    Time = "Aika";
    Pick_first_time_unit = "Valitse ensimmäinen aikayksikkö";
    Pick_second_time_unit = "Valitse toinen aikayksikkö";
    Fuel_consumption = "Polttoaineenkulutus";
    Pick_first_consumption_unit = "Valitse ensimmäinen kulutusyksikkö";
    Pick_second_consumption_unit = "Valitse toinen kulutusyksikkö";
    US_Miles_per_gallon = "[US]\u00A0Mailia gallonalla";
    Miles_per_liter = "Mailia litralla";
    Mile = "Maili (mile, mi)";
    Kilometer = "Kilometri (km)";
    Meter = "Metri (m)";
    Yard = "Jaardi (yd)";
    Foot = "Jalka (ft)";
    Decimeter = "Desimetri (dm)";
    Inch = "Tuuma";
    Centimeter = "Senttimetri (cm)";
    Millimeter = "Millimetri (mm)";
    Micrometer = "Mikrometri (μm)";
    Nanometer = "Nanometri (nm)";
    Nautical_mile = "Meripeninkulma (mpk, M, NM)";
    Light_second = "Valosekunti";
    Light_minute = "Valominuutti (lm)";
    Light_hour = "Valotunti (lh)";
    Light_day = "Valopäivä (ld)";
    Light_year = "Valovuosi (vv, ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Mailia tunnissa (mph, mi/h)";
    Kilometer_per_hour = "Kilometriä tunnissa (km/h)";
    Meter_per_second = "Metriä sekunnissa (m/s, mps)";
    Foot_per_second = "Jalkaa sekunnissa";
    Knot = "Solmu (kn, kt)";
    Imperial_ton_Long_ton = "Br. tonni / Pitkä tonni (tn. l., ts)";
    Tonne = "Tonni";
    US_Ton_Short_Ton = "[US] Lyhyt tonni (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogramma (kg)";
    Pound = "Pauna (lb)";
    Ounce = "Unssi (oz.)";
    Gram = "Gramma (g)";
    Milligram = "Milligramma (mg)";
    Microgram = "Mikrogramma (μg)";
    Square_mile = "Neliömaili (mi², sqmi)";
    Square_kilometer = "Neliökilometri (km²)";
    Square_meter = "Neliömetri (m²)";
    Hectare = "Hehtaari (ha)";
    Acre = "Eekkeri (ac)";
    Square_centimeter = "Neliösenttimetri (cm²)";
    Square_millimeter = "Neliömillimetri (mm²)";
    Square_inch = "Neliötuuma";
    Square_yard = "Neliöjaardi";
    Square_foot = "Neliöjalka";
    Cubic_meter = "Kuutiometri (m³)";
    Imperial_gallon = "Br. gallona";
    US_liquid_gallon = "Am. gallona (US.liq.gal.)";
    US_dry_gallon = "Am. kuiva gallona (US.dry.gal.)";
    Imperial_quart = "Br. neljännesgallona";
    Imperial_pint = "Br. pintti";
    Liter = "Litra (l)";
    US_liquid_quart = "Am. neljännesgallona (US.liq.qt.)";
    US_liquid_pint = "Am. pintti (US.liq.pt.)";
    US_Fluid_ounce = "[US] Nesteunssi";
    Imperial_cup = "Br. kuppi";
    Deciliter = "Desilitra (dl)";
    Milliliter = "Millilitra (ml)";
    US_Legal_cup = "[US] Lakisääteinen kuppi";
    Cubic_foot = "Kuutiojalka (ft3, cft)";
    Cubic_inch = "Kuutiotuuma (in3, cuin)";
    US_Tablespoon = "[US] Ruokalusikka";
    US_Teaspoon = "[US] Teelusikka";
    Imperial_tablespoon = "Br. ruokalusikka";
    Metric_tablespoon = "Metrinen ruokalusikka";
    Bar = "Baari (bar)";
    Standard_atmosphere = "Normaali-ilmakehä (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hehtopascal";
    Millibar = "Millibaari";
    Torr = "Torr";
    Millimeter_of_mercury = "Elohopeamillimetri";
    Pounds_per_square_inch = "Pauna neliötuumalle (psi, lbf/in2)";
    Megawatt = "Megawatti (MW)";
    Kilowatt = "Kilowatti (kW)";
    // Finnish writes hv (hevosvoima); the row keeps hp(M).
    Metric_horsepower = "Hevosvoima (hv, hp(M))";
    Watt = "Watti (W)";
    Year = "Vuosi";
    Week = "Viikko (w)";
    Day = "Päivä (d)";
    Hour = "Tunti (h)";
    Minute = "Minuutti (min)";
    Second = "Sekunti (s)";
    Millisecond = "Millisekunti (ms)";
    Microsecond = "Mikrosekunti (μs)";
    Nanosecond = "Nanosekunti (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojoule";
    Calorie = "Kalori";
    Joule = "Joule";
    Zettabyte = "Zettatavu";
    Exabyte = "Eksatavu";
    Petabyte = "Petatavu";
    Terabyte = "Teratavu";
    Gigabyte = "Gigatavu";
    Megabyte = "Megatavu";
    Kibibyte = "Kibitavu";
    Kilobyte = "Kilotavu";
    Byte = "Tavu";
    Bit = "Bitti (bit, b)";
    Temperature = "Lämpötila";
    Celsius = "Celsiusaste";
    Fahrenheit = "Fahrenheitaste";
    Pick_first_temperature = "Valitse ensimmäinen lämpötilayksikkö";
    Pick_second_temperature = "Valitse toinen lämpötilayksikkö";
    // Recipes write the 15 ml spoon as "rkl" (ruokalusikka).
    Metric_Tbsp = "rkl";
    Unit_of_measurement = "Mittayksikkö";
    Conversion_of_units = "Yksikkömuunnos";

    // After a number above one Finnish takes the partitive: 1 muu yksikkö,
    // 5 muuta yksikköä.
    NUM_more_currencies = "one{%i muu valuutta} other{%i muuta valuuttaa}";
    const auto moreUnits = [](const std::string& kind) {
        return "one{%i muu " + kind + "yksikkö} other{%i muuta " + kind + "yksikköä}";
    };
    NUM_more_lengths = moreUnits("pituus");
    NUM_more_speed_units = moreUnits("nopeus");
    NUM_more_mass_units = moreUnits("massa");
    NUM_more_area_units = moreUnits("pinta-ala");
    NUM_more_units_of_information = moreUnits("tietomäärän ");
    NUM_more_volumes = moreUnits("tilavuus");
    NUM_more_pressure_units = moreUnits("paine");
    NUM_more_power_units = moreUnits("teho");
    NUM_more_energy_units = moreUnits("energia");
    NUM_more_time_units = moreUnits("aika");
    NUM_more_temperatures = moreUnits("lämpötila");
    NUM_more_consumption_units = moreUnits("kulutus");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopioi";
    E_mail = "Sähköposti";
    Paste = "Liitä";
    Key_plus = "Plus";
    Key_plus_hint = "Lisää seuraava luku";
    Key_minus = "Miinus";
    Key_minus_hint = "Vähennä seuraava luku";
    Key_times = "Kertaa";
    Key_times_hint = "Kerro seuraavalla luvulla";
    Key_divide = "Jaettuna";
    Key_divide_hint = "Jaa seuraavalla luvulla";
    Key_equals = "On yhtä kuin";
    Key_equals_hint = "Näytä tulos";
    Key_clear = "Tyhjennä";
    Key_clear_hint = "Nollaa molemmat rivit";
    Key_change_sign = "Vaihda etumerkki";
    Key_change_sign_hint = "Vaihda luvun etumerkki";
    Key_decimal_separator = "Desimaalierotin";
    Key_decimal_separator_hint = "Aloita desimaalit";
    Key_switch_units = "Vaihda yksiköt";
    Key_switch_units_hint = "Vaihda kaksi yksikköä keskenään";
    Key_choose_units = "Valitse yksiköt";
    Key_choose_units_hint = "Valitse kaksi yksikköä";
    Key_calculator = "Laskin";
    Key_calculator_hint = "Laskintila";
    Key_converter = "Muunnin";
    Key_converter_hint = "Muunnintila";
    Currency_rates_not_downloaded =
        "Valuuttakursseja ei ole vielä ladattu. Ne tulevat, kun Ratio on verkossa.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Kiinan juan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
