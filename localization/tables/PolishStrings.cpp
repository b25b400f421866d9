#include "localization/tables/PolishStrings.h"

namespace ratio {

// Symbols and names Polish writes exactly as British English does.
const std::vector<std::string_view> PolishStrings::sameAsBritish = {
    "OK_Yes", "Euro", "Kilogram", "Gram", "Bar", "Bit", "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

PolishStrings::PolishStrings() {
    China = "Chiny";
    Taiwan = "Tajwan";
    Thousandth_of_an_inch = "Tysięczna cala";
    Angstrom = "Angstrem (Å)";
    Fathom = "Sążeń";
    Cancel = "Anuluj";
    Pick_first_unit = "Wybierz pierwszą jednostkę";
    Done = "Gotowe";
    Back = "Wstecz";
    OK_Yes = "OK";
    No = "Nie";
    Share = "Udostępnij";
    Select_Auswählen = "Wybierz";
    Not_Now = "Nie teraz";
    Clear = "Wyczyść";
    Search = "Szukaj";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dolar amerykański ($, USD)";
    Japanese_yen = "Jen japoński (¥, JPY, 円)";
    // "Sterling" alone names no country, so the region bracket stays.
    UK_Pound_sterling = "[Wielka Brytania]\u00A0Funt szterling (£, GBP)";
    Australian_dollar = "Dolar australijski ($A, AUD, $)";
    Canadian_dollar = "Dolar kanadyjski (Can$, CAD, $)";
    Swiss_franc = "Frank szwajcarski (SFr., CHF, Fr.)";
    Swedish_krona = "Korona szwedzka (Skr, kr, SEK)";
    New_Zealand_dollar = "Dolar nowozelandzki (NZ$, NZD, $)";
    Mexican_peso = "Peso meksykańskie (Mex$, MXN, $)";
    Russian_ruble = "Rubel rosyjski (₽, RUB, руб)";
    Turkish_lira = "Lira turecka (₺, TRY, TL)";
    Indian_rupee = "Rupia indyjska (₹, INR)";
    Brazilian_real = "Real brazylijski (R$, BRL)";
    South_Korean_won = "Won południowokoreański (₩, KRW)";
    Bulgarian_lev = "Lew bułgarski (лв, BGN)";
    Czech_koruna = "Korona czeska (Kč, CZK)";
    Danish_krone = "Korona duńska (kr., DKK, dkr.)";
    Hungarian_forint = "Forint węgierski (Ft, HUF)";
    Polish_złoty = "Złoty polski (zł, PLN)";
    Romanian_leu = "Lej rumuński (L, RON)";
    Hong_Kong_dollar = "Dolar hongkoński (HK$, HKD)";
    Norwegian_krone = "Korona norweska (NOK, kr)";
    Icelandic_króna = "Korona islandzka (ISK, kr, ikr)";
    Croatian_kuna = "Kuna chorwacka (HRK, kn)";
    Indonesian_rupiah = "Rupia indonezyjska (IDR, Rp)";
    Israeli_new_shekel = "Nowy szekel izraelski (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malezyjski (MYR, RM)";
    Philippine_peso = "Peso filipińskie (PHP, ₱)";
    Singapore_dollar = "Dolar singapurski (SGD, S$, $)";
    Thai_baht = "Baht tajski (THB, ฿)";
    South_African_rand = "Rand południowoafrykański (ZAR, R)";
    Unit = "Jednostka";
    Currency = "Waluta";
    Pick_first_currency = "Wybierz pierwszą walutę";
    Pick_second_currency = "Wybierz drugą walutę";
    Length = "Długość";
    Pick_first_length = "Wybierz pierwszą jednostkę długości";
    Pick_second_length = "Wybierz drugą jednostkę długości";
    Speed = "Prędkość";
    Pick_first_speed = "Wybierz pierwszą prędkość";
    Pick_second_speed = "Wybierz drugą prędkość";
    Mass = "Masa";
    Pick_first_mass_unit = "Wybierz pierwszą jednostkę masy";
    Pick_second_mass_unit = "Wybierz drugą jednostkę masy";
    Area = "Powierzchnia";
    Pick_first_area_unit = "Wybierz pierwszą jednostkę powierzchni";
    Pick_second_area_unit = "Wybierz drugą jednostkę powierzchni";
    Units_of_information = "Jednostki informacji";
    Pick_first_unit_of_information = "Wybierz pierwszą jednostkę informacji";
    Pick_second_unit_of_information = "Wybierz drugą jednostkę informacji";
    Volume = "Objętość";
    Pick_first_volume = "Wybierz pierwszą jednostkę objętości";
    Pick_second_volume = "Wybierz drugą jednostkę objętości";
    Pressure = "Ciśnienie";
    Pick_first_pressure_unit = "Wybierz pierwszą jednostkę ciśnienia";
    Pick_second_pressure_unit = "Wybierz drugą jednostkę ciśnienia";
    Power = "Moc";
    Pick_first_power_unit = "Wybierz pierwszą jednostkę mocy";
    Pick_second_power_unit = "Wybierz drugą jednostkę mocy";
    Energy = "Energia";
    Pick_first_energy_unit = "Wybierz pierwszą jednostkę energii";
    Pick_second_energy_unit = "Wybierz drugą jednostkę energii";
    Time = "Czas";
    Pick_first_time_unit = "Wybierz pierwszą jednostkę czasu";
    Pick_second_time_unit = "Wybierz drugą jednostkę czasu";
    Fuel_consumption = "Zużycie paliwa";
    Pick_first_consumption_unit = "Wybierz pierwszą jednostkę zużycia";
    Pick_second_consumption_unit = "Wybierz drugą jednostkę zużycia";
    US_Miles_per_gallon = "[US]\u00A0Mile na galon";
    Miles_per_liter = "Mile na litr";
    Mile = "Mila (mile, mi)";
    Kilometer = "Kilometr (km)";
    Meter = "Metr (m)";
    Yard = "Jard (yd)";
    Foot = "Stopa (ft)";
    Decimeter = "Decymetr (dm)";
    Inch = "Cal";
    Centimeter = "Centymetr (cm)";
    Millimeter = "Milimetr (mm)";
    Micrometer = "Mikrometr (μm)";
    Nanometer = "Nanometr (nm)";
    Nautical_mile = "Mila morska (M, NM)";
    Light_second = "Sekunda świetlna";
    Light_minute = "Minuta świetlna (lm)";
    Light_hour = "Godzina świetlna (lh)";
    Light_day = "Dzień świetlny (ld)";
    Light_year = "Rok świetlny (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Mile na godzinę (mph, mi/h)";
    Kilometer_per_hour = "Kilometry na godzinę (km/h)";
    Meter_per_second = "Metr na sekundę (m/s, mps)";
    Foot_per_second = "Stopa na sekundę";
    Knot = "Węzeł (kn, kt)";
    Imperial_ton_Long_ton = "Tona długa (tn. l., ts)";
    Tonne = "Tona";
    US_Ton_Short_Ton = "[US] Tona krótka (tn. sh.)";
    Stone = "Kamień";
    Kilogram = "Kilogram (kg)";
    Pound = "Funt (lb)";
    Ounce = "Uncja (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Mila kwadratowa (mi², sqmi)";
    Square_kilometer = "Kilometr kwadratowy (km²)";
    Square_meter = "Metr kwadratowy (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Akr (ac)";
    Square_centimeter = "Centymetr kwadratowy (cm²)";
    Square_millimeter = "Milimetr kwadratowy (mm²)";
    Square_inch = "Cal kwadratowy";
    Square_yard = "Jard kwadratowy";
    Square_foot = "Stopa kwadratowa";
    Cubic_meter = "Metr sześcienny (m³)";
    Imperial_gallon = "Galon angielski";
    US_liquid_gallon = "Galon amerykański (US.liq.gal.)";
    US_dry_gallon = "Galon amerykański suchy (US.dry.gal.)";
    Imperial_quart = "Kwarta angielska";
    Imperial_pint = "Pinta angielska";
    Liter = "Litr (l)";
    US_liquid_quart = "Kwarta amerykańska (US.liq.qt.)";
    US_liquid_pint = "Pinta amerykańska (US.liq.pt.)";
    US_Fluid_ounce = "[US] Uncja objętości";
    Imperial_cup = "Filiżanka angielska";
    Deciliter = "Decylitr (dl)";
    Milliliter = "Mililitr (ml)";
    US_Legal_cup = "[US] Filiżanka urzędowa";
    Cubic_foot = "Stopa sześcienna (ft3, cft)";
    Cubic_inch = "Cal sześcienny (in3, cuin)";
    US_Tablespoon = "[US] Łyżka stołowa";
    US_Teaspoon = "[US] Łyżeczka";
    Imperial_tablespoon = "Łyżka stołowa angielska";
    Metric_tablespoon = "Łyżka stołowa metryczna";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfera fizyczna (atm)";
    Pascal = "Paskal (Pa)";
    Hectopascal = "Hektopaskal";
    Millibar = "Milibar";
    Torr = "Tor";
    Millimeter_of_mercury = "Milimetr słupa rtęci";
    Pounds_per_square_inch = "Funt na cal kwadratowy (psi, lbf/in2)";
    Megawatt = "Megawat (MW)";
    Kilowatt = "Kilowat (kW)";
    // Polish writes KM (koń mechaniczny); the row keeps hp(M).
    Metric_horsepower = "Koń mechaniczny (KM, hp(M))";
    Watt = "Wat (W)";
    Year = "Rok";
    Week = "Tydzień (w)";
    Day = "Doba (d)";
    Hour = "Godzina (h)";
    Minute = "Minuta (min)";
    Second = "Sekunda (s)";
    Millisecond = "Milisekunda (ms)";
    Microsecond = "Mikrosekunda (μs)";
    Nanosecond = "Nanosekunda (ns)";
    Kilocalorie = "Kilokaloria";
    Kilojoule = "Kilodżul";
    Calorie = "Kaloria";
    Joule = "Dżul";
    Zettabyte = "Zettabajt";
    Exabyte = "Eksabajt";
    Petabyte = "Petabajt";
    Terabyte = "Terabajt";
    Gigabyte = "Gigabajt";
    Megabyte = "Megabajt";
    Kibibyte = "Kibibajt";
    Kilobyte = "Kilobajt";
    Byte = "Bajt";
    Temperature = "Temperatura";
    Celsius = "Stopień Celsjusza";
    Fahrenheit = "Stopień Fahrenheita";
    Kelvin = "Kelwin";
    Pick_first_temperature = "Wybierz pierwszą temperaturę";
    Pick_second_temperature = "Wybierz drugą temperaturę";
    // Recipes shorten łyżka, the 15 ml spoon, to "łyż.".
    Metric_Tbsp = "łyż.";
    Unit_of_measurement = "Jednostka miary";
    Conversion_of_units = "Przeliczanie jednostek";

    // Counts take the three Polish forms: 1 jednostka, 2 jednostki, 5 jednostek,
    // each followed by the genitive of what it measures.
    NUM_more_currencies = "one{Jeszcze %i waluta} few{Jeszcze %i waluty} many{Jeszcze %i walut}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{Jeszcze %i jednostka " + genitive + "} few{Jeszcze %i jednostki " + genitive +
               "} many{Jeszcze %i jednostek " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("długości");
    NUM_more_speed_units = moreUnitsOf("prędkości");
    NUM_more_mass_units = moreUnitsOf("masy");
    NUM_more_area_units = moreUnitsOf("powierzchni");
    NUM_more_units_of_information = moreUnitsOf("informacji");
    NUM_more_volumes = moreUnitsOf("objętości");
    NUM_more_pressure_units = moreUnitsOf("ciśnienia");
    NUM_more_power_units = moreUnitsOf("mocy");
    NUM_more_energy_units = moreUnitsOf("energii");
    NUM_more_time_units = moreUnitsOf("czasu");
    NUM_more_temperatures = moreUnitsOf("temperatury");
    NUM_more_consumption_units = moreUnitsOf("zużycia");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopiuj";
    E_mail = "E-mail";
    Paste = "Wklej";
    Key_plus = "Plus";
    Key_plus_hint = "Dodaj następną liczbę";
    Key_minus = "Minus";
    Key_minus_hint = "Odejmij następną liczbę";
    Key_times = "Razy";
    Key_times_hint = "Pomnóż przez następną liczbę";
    Key_divide = "Podzielić przez";
    Key_divide_hint = "Podziel przez następną liczbę";
    Key_equals = "Równa się";
    Key_equals_hint = "Pokaż wynik";
    Key_clear = "Wyczyść";
    Key_clear_hint = "Wyzeruj oba wiersze";
    Key_change_sign = "Zmień znak";
    Key_change_sign_hint = "Zmień znak liczby";
    Key_decimal_separator = "Separator dziesiętny";
    Key_decimal_separator_hint = "Rozpocznij część dziesiętną";
    Key_switch_units = "Zamień jednostki";
    Key_switch_units_hint = "Zamień miejscami obie jednostki";
    Key_choose_units = "Wybierz jednostki";
    Key_choose_units_hint = "Wybierz obie jednostki";
    Key_calculator = "Kalkulator";
    Key_calculator_hint = "Tryb kalkulatora";
    Key_converter = "Konwerter";
    Key_converter_hint = "Tryb konwertera";
    Currency_rates_not_downloaded = "Brak kursów walut. Zostaną pobrane, gdy Ratio będzie online.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Juan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
