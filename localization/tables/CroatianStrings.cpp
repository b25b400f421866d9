#include "localization/tables/CroatianStrings.h"

#include <string>

namespace ratio {

// Symbols and names Croatian writes exactly as British English does.
const std::vector<std::string_view> CroatianStrings::sameAsBritish = {
    "Euro", "Kilogram", "Gram", "Bar", "Bit", "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

CroatianStrings::CroatianStrings() {
    China = "Kina";
    Taiwan = "Tajvan";
    Thousandth_of_an_inch = "Tisućinka inča";
    Angstrom = "Angstrem (Å)";
    Fathom = "Hvat";
    Cancel = "Odustani";
    Pick_first_unit = "Odaberite prvu jedinicu";
    Done = "Gotovo";
    Back = "Natrag";
    OK_Yes = "U redu";
    No = "Ne";
    Share = "Podijeli";
    Select_Auswählen = "Odaberi";
    Not_Now = "Ne sada";
    Clear = "Očisti";
    Search = "Traži";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Američki dolar ($, USD)";
    Japanese_yen = "Japanski jen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Britanska funta (£, GBP)";
    Australian_dollar = "Australski dolar ($A, AUD, $)";
    Canadian_dollar = "Kanadski dolar (Can$, CAD, $)";
    Swiss_franc = "Švicarski franak (SFr., CHF, Fr.)";
    Swedish_krona = "Švedska kruna (Skr, kr, SEK)";
    New_Zealand_dollar = "Novozelandski dolar (NZ$, NZD, $)";
    Mexican_peso = "Meksički pezo (Mex$, MXN, $)";
    Russian_ruble = "Ruski rubalj (₽, RUB, руб)";
    Turkish_lira = "Turska lira (₺, TRY, TL)";
    Indian_rupee = "Indijska rupija (₹, INR)";
    Brazilian_real = "Brazilski real (R$, BRL)";
    South_Korean_won = "Južnokorejski won (₩, KRW)";
    Bulgarian_lev = "Bugarski lev (лв, BGN)";
    Czech_koruna = "Češka kruna (Kč, CZK)";
    Danish_krone = "Danska kruna (kr., DKK, dkr.)";
    Hungarian_forint = "Mađarska forinta (Ft, HUF)";
    Polish_złoty = "Poljska zlota (zł, PLN)";
    Romanian_leu = "Rumunjski lej (L, RON)";
    Hong_Kong_dollar = "Hongkonški dolar (HK$, HKD)";
    Norwegian_krone = "Norveška kruna (NOK, kr)";
    Icelandic_króna = "Islandska kruna (ISK, kr, ikr)";
    Croatian_kuna = "Hrvatska kuna (HRK, kn)";
    Indonesian_rupiah = "Indonezijska rupija (IDR, Rp)";
    Israeli_new_shekel = "Novi izraelski šekel (ILS, ₪)";
    Malaysian_ringgit = "Malezijski ringit (MYR, RM)";
    Philippine_peso = "Filipinski pezo (PHP, ₱)";
    Singapore_dollar = "Singapurski dolar (SGD, S$, $)";
    Thai_baht = "Tajlandski baht (THB, ฿)";
    South_African_rand = "Južnoafrički rand (ZAR, R)";
    Unit = "Jedinica";
    Currency = "Valuta";
    Pick_first_currency = "Odaberite prvu valutu";
    Pick_second_currency = "Odaberite drugu valutu";
    Length = "Duljina";
    Pick_first_length = "Odaberite prvu jedinicu duljine";
    Pick_second_length = "Odaberite drugu jedinicu duljine";
    Speed = "Brzina";
    Pick_first_speed = "Odaberite prvu jedinicu brzine";
    Pick_second_speed = "Odaberite drugu jedinicu brzine";
    Mass = "Masa";
    Pick_first_mass_unit = "Odaberite prvu jedinicu mase";
    Pick_second_mass_unit = "Odaberite drugu jedinicu mase";
    Area = "Površina";
    Pick_first_area_unit = "Odaberite prvu jedinicu površine";
    Pick_second_area_unit = "Odaberite drugu jedinicu površine";
    Units_of_information = "Jedinice informacije";
    Pick_first_unit_of_information = "Odaberite prvu jedinicu informacije";
    Pick_second_unit_of_information = "Odaberite drugu jedinicu informacije";
    Volume = "Obujam";
    Pick_first_volume = "Odaberite prvu jedinicu obujma";
    Pick_second_volume = "Odaberite drugu jedinicu obujma";
    Pressure = "Tlak";
    Pick_first_pressure_unit = "Odaberite prvu jedinicu tlaka";
    Pick_second_pressure_unit = "Odaberite drugu jedinicu tlaka";
    Power = "Snaga";
    Pick_first_power_unit = "Odaberite prvu jedinicu snage";
    Pick_second_power_unit = "Odaberite drugu jedinicu snage";
    Energy = "Energija";
    Pick_first_energy_unit = "Odaberite prvu jedinicu energije";
    Pick_second_energy_unit = "Odaberite drugu jedinicu energije";
    Time = "Vrijeme";
    Pick_first_time_unit = "Odaberite prvu jedinicu vremena";
    Pick_second_time_unit = "Odaberite drugu jedinicu vremena";
    Fuel_consumption = "Potrošnja goriva";
    Pick_first_consumption_unit = "Odaberite prvu jedinicu potrošnje";
    Pick_second_consumption_unit = "Odaberite drugu jedinicu potrošnje";
    US_Miles_per_gallon = "[US]\u00A0Milje po galonu";
    Miles_per_liter = "Milje po litri";
    Mile = "Milja (mile, mi)";
    Kilometer = "Kilometar (km)";
    Meter = "Metar (m)";
    Yard = "Jard (yd)";
    Foot = "Stopa (ft)";
    Decimeter = "Decimetar (dm)";
    Inch = "Inč";
    Centimeter = "Centimetar (cm)";
    Millimeter = "Milimetar (mm)";
    Micrometer = "Mikrometar (μm)";
    Nanometer = "Nanometar (nm)";
    Nautical_mile = "Nautička milja (M, NM)";
    Light_second = "Svjetlosna sekunda";
    Light_minute = "Svjetlosna minuta (lm)";
    Light_hour = "Svjetlosni sat (lh)";
    Light_day = "Svjetlosni dan (ld)";
    Light_year = "Svjetlosna godina (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Milje na sat (mph, mi/h)";
    Kilometer_per_hour = "Kilometri na sat (km/h)";
    Meter_per_second = "Metar u sekundi (m/s, mps)";
    Foot_per_second = "Stopa u sekundi";
    Knot = "Čvor (kn, kt)";
    Imperial_ton_Long_ton = "Duga tona (tn. l., ts)";
    Tonne = "Tona";
    US_Ton_Short_Ton = "[US] Kratka tona (tn. sh.)";
    Stone = "Kamen";
    Kilogram = "Kilogram (kg)";
    Pound = "Funta (lb)";
    Ounce = "Unca (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Kvadratna milja (mi², sqmi)";
    Square_kilometer = "Kvadratni kilometar (km²)";
    Square_meter = "Kvadratni metar (m²)";
    Hectare = "Hektar (ha)";
    // Croatian CLDR names the acre after the old "katastarsko jutro", a
    // different area; the English unit keeps its own name.
    Acre = "Akr (ac)";
    Square_centimeter = "Kvadratni centimetar (cm²)";
    Square_millimeter = "Kvadratni milimetar (mm²)";
    Square_inch = "Kvadratni inč";
    Square_yard = "Kvadratni jard";
    Square_foot = "Kvadratna stopa";
    Cubic_meter = "Kubni metar (m³)";
    Imperial_gallon = "Imperijalni galon";
    US_liquid_gallon = "Američki galon (US.liq.gal.)";
    US_dry_gallon = "Američki suhi galon (US.dry.gal.)";
    Imperial_quart = "Imperijalna četvrtina";
    Imperial_pint = "Imperijalna pinta";
    Liter = "Litra (l)";
    US_liquid_quart = "Američka četvrtina (US.liq.qt.)";
    US_liquid_pint = "Američka pinta (US.liq.pt.)";
    US_Fluid_ounce = "[US] Tekuća unca";
    Imperial_cup = "Imperijalna šalica";
    Deciliter = "Decilitar (dl)";
    Milliliter = "Mililitar (ml)";
    US_Legal_cup = "[US] Zakonska šalica";
    Cubic_foot = "Kubna stopa (ft3, cft)";
    Cubic_inch = "Kubni inč (in3, cuin)";
    US_Tablespoon = "[US] Žlica";
    US_Teaspoon = "[US] Žličica";
    Imperial_tablespoon = "Imperijalna žlica";
    Metric_tablespoon = "Metrička žlica";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standardna atmosfera (atm)";
    Pascal = "Paskal (Pa)";
    Hectopascal = "Hektopaskal";
    Millibar = "Milibar";
    Torr = "Tor";
    Millimeter_of_mercury = "Milimetar živina stupca";
    Pounds_per_square_inch = "Funta po kvadratnom inču (psi, lbf/in2)";
    Megawatt = "Megavat (MW)";
    Kilowatt = "Kilovat (kW)";
    // Croatian writes KS (konjska snaga); the row keeps hp(M).
    Metric_horsepower = "Konjska snaga (KS, hp(M))";
    Watt = "Vat (W)";
    Year = "Godina";
    Week = "Tjedan (w)";
    Day = "Dan (d)";
    Hour = "Sat (h)";
    Minute = "Minuta (min)";
    Second = "Sekunda (s)";
    Millisecond = "Milisekunda (ms)";
    Microsecond = "Mikrosekunda (μs)";
    Nanosecond = "Nanosekunda (ns)";
    Kilocalorie = "Kilokalorija";
    Kilojoule = "Kilodžul";
    Calorie = "Kalorija";
    Joule = "Džul";
    Zettabyte = "Zetabajt";
    Exabyte = "Eksabajt";
    Petabyte = "Petabajt";
    Terabyte = "Terabajt";
    Gigabyte = "Gigabajt";
    Megabyte = "Megabajt";
    Kibibyte = "Kibibajt";
    Kilobyte = "Kilobajt";
    Byte = "Bajt";
    Temperature = "Temperatura";
    Celsius = "Celzijev stupanj";
    Fahrenheit = "Fahrenheitov stupanj";
    Pick_first_temperature = "Odaberite prvu jedinicu temperature";
    Pick_second_temperature = "Odaberite drugu jedinicu temperature";
    // Recipes shorten žlica, the 15 ml spoon, to "žl.".
    Metric_Tbsp = "žl.";
    Unit_of_measurement = "Mjerna jedinica";
    Conversion_of_units = "Pretvorba jedinica";

    // Counts take the Croatian forms: još 1 (21, 31, ...) jedinica, još 2
    // jedinice, još 5 jedinica, followed by the genitive.
    NUM_more_currencies = "one{Još %i valuta} few{Još %i valute} other{Još %i valuta}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{Još %i jedinica " + genitive + "} few{Još %i jedinice " + genitive +
               "} other{Još %i jedinica " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("duljine");
    NUM_more_speed_units = moreUnitsOf("brzine");
    NUM_more_mass_units = moreUnitsOf("mase");
    NUM_more_area_units = moreUnitsOf("površine");
    NUM_more_units_of_information = moreUnitsOf("informacije");
    NUM_more_volumes = moreUnitsOf("obujma");
    NUM_more_pressure_units = moreUnitsOf("tlaka");
    NUM_more_power_units = moreUnitsOf("snage");
    NUM_more_energy_units = moreUnitsOf("energije");
    NUM_more_time_units = moreUnitsOf("vremena");
    NUM_more_temperatures = moreUnitsOf("temperature");
    NUM_more_consumption_units = moreUnitsOf("potrošnje");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopiraj";
    E_mail = "E-pošta";
    Paste = "Zalijepi";
    Key_plus = "Plus";
    Key_plus_hint = "Dodaj sljedeći broj";
    Key_minus = "Minus";
    Key_minus_hint = "Oduzmi sljedeći broj";
    Key_times = "Puta";
    Key_times_hint = "Pomnoži sljedećim brojem";
    Key_divide = "Podijeljeno";
    Key_divide_hint = "Podijeli sljedećim brojem";
    Key_equals = "Jednako";
    Key_equals_hint = "Prikaži rezultat";
    Key_clear = "Očisti";
    Key_clear_hint = "Postavi oba retka na nulu";
    Key_change_sign = "Promijeni predznak";
    Key_change_sign_hint = "Promijeni predznak broja";
    Key_decimal_separator = "Decimalni separator";
    Key_decimal_separator_hint = "Započni decimalna mjesta";
    Key_switch_units = "Zamijeni jedinice";
    Key_switch_units_hint = "Zamijeni mjesta dviju jedinica";
    Key_choose_units = "Odaberi jedinice";
    Key_choose_units_hint = "Odaberi dvije jedinice";
    Key_calculator = "Kalkulator";
    Key_calculator_hint = "Način rada kalkulatora";
    Key_converter = "Pretvarač";
    Key_converter_hint = "Način rada pretvarača";
    Currency_rates_not_downloaded = "Tečajevi još nisu preuzeti. Stižu čim Ratio bude na mreži.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Juan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
