#include "localization/tables/FrenchStrings.h"

namespace ratio {

// Texts that French writes exactly as British English does: OK, E-mail, the
// word plus and the units whose French name is spelt the same.
const std::vector<std::string_view> FrenchStrings::sameAsBritish = {
    "OK_Yes",      "Euro",     "Volume", "Mile",     "Yard",       "Parsec", "Tonne",
    "Stone",       "Hectare",  "Acre",   "Liter",    "Milliliter", "Bar",    "Pascal",
    "Hectopascal", "Millibar", "Torr",   "Kilowatt", "Watt",       "Minute", "Kilocalorie",
    "Kilojoule",   "Calorie",  "Joule",  "Bit",      "Kelvin",     "E_mail", "Key_plus",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

FrenchStrings::FrenchStrings() {
    China = "Chine";
    Taiwan = "Taïwan";
    Thousandth_of_an_inch = "Millième de pouce";
    Angstrom = "Ångström (Å)";
    Fathom = "Brasse";
    Cancel = "Annuler";
    Pick_first_unit = "Choisir la première unité";
    Done = "OK";
    Back = "Retour";
    No = "Non";
    Share = "Partager";
    Select_Auswählen = "Sélectionner";
    Not_Now = "Plus tard";
    Clear = "Effacer";
    Search = "Rechercher";
    United_States_dollar = "Dollar des États-Unis ($, USD)";
    Japanese_yen = "Yen japonais (¥, JPY, 円)";
    UK_Pound_sterling = "[Royaume-Uni]\u00A0Livre sterling (£, GBP)";
    Australian_dollar = "Dollar australien ($A, AUD, $)";
    Canadian_dollar = "Dollar canadien (Can$, CAD, $)";
    Swiss_franc = "Franc suisse (SFr., CHF, Fr.)";
    Swedish_krona = "Couronne suédoise (Skr, kr, SEK)";
    New_Zealand_dollar = "Dollar néo-zélandais (NZ$, NZD, $)";
    Mexican_peso = "Peso mexicain (Mex$, MXN, $)";
    Russian_ruble = "Rouble russe (₽, RUB, руб)";
    Turkish_lira = "Livre turque (₺, TRY, TL)";
    Indian_rupee = "Roupie indienne (₹, INR)";
    Brazilian_real = "Réal brésilien (R$, BRL)";
    South_Korean_won = "Won sud-coréen (₩, KRW)";
    Bulgarian_lev = "Lev bulgare (лв, BGN)";
    Czech_koruna = "Couronne tchèque (Kč, CZK)";
    Danish_krone = "Couronne danoise (kr., DKK, dkr.)";
    Hungarian_forint = "Forint hongrois (Ft, HUF)";
    Polish_złoty = "Zloty polonais (zł, PLN)";
    Romanian_leu = "Leu roumain (L, RON)";
    Hong_Kong_dollar = "Dollar de Hong Kong (HK$, HKD)";
    Norwegian_krone = "Couronne norvégienne (NOK, kr)";
    Icelandic_króna = "Couronne islandaise (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croate (HRK, kn)";
    Indonesian_rupiah = "Roupie indonésienne (IDR, Rp)";
    Israeli_new_shekel = "Nouveau shekel israélien (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malais (MYR, RM)";
    Philippine_peso = "Peso philippin (PHP, ₱)";
    Singapore_dollar = "Dollar de Singapour (SGD, S$, $)";
    Thai_baht = "Baht thaïlandais (THB, ฿)";
    South_African_rand = "Rand sud-africain (ZAR, R)";
    Unit = "Unité";

    // French counts 0 and 1 in the singular: "0 autre devise", "2 autres devises".
    Currency = "Devise";
    NUM_more_currencies = "one{%i autre devise} other{%i autres devises}";
    Pick_first_currency = "Choisir la première devise";
    Pick_second_currency = "Choisir la seconde devise";
    Length = "Longueur";
    NUM_more_lengths = "one{%i autre unité de longueur} other{%i autres unités de longueur}";
    Pick_first_length = "Choisir la première unité de longueur";
    Pick_second_length = "Choisir la seconde unité de longueur";
    Speed = "Vitesse";
    NUM_more_speed_units = "one{%i autre unité de vitesse} other{%i autres unités de vitesse}";
    Pick_first_speed = "Choisir la première unité de vitesse";
    Pick_second_speed = "Choisir la seconde unité de vitesse";
    Mass = "Masse";
    NUM_more_mass_units = "one{%i autre unité de masse} other{%i autres unités de masse}";
    Pick_first_mass_unit = "Choisir la première unité de masse";
    Pick_second_mass_unit = "Choisir la seconde unité de masse";
    Area = "Superficie";
    NUM_more_area_units = "one{%i autre unité de superficie} other{%i autres unités de superficie}";
    Pick_first_area_unit = "Choisir la première unité de superficie";
    Pick_second_area_unit = "Choisir la seconde unité de superficie";
    Units_of_information = "Unités d’information";
    NUM_more_units_of_information =
        "one{%i autre unité d’information} other{%i autres unités d’information}";
    Pick_first_unit_of_information = "Choisir la première unité d’information";
    Pick_second_unit_of_information = "Choisir la seconde unité d’information";
    NUM_more_volumes = "one{%i autre unité de volume} other{%i autres unités de volume}";
    Pick_first_volume = "Choisir la première unité de volume";
    Pick_second_volume = "Choisir la seconde unité de volume";
    Pressure = "Pression";
    NUM_more_pressure_units = "one{%i autre unité de pression} other{%i autres unités de pression}";
    Pick_first_pressure_unit = "Choisir la première unité de pression";
    Pick_second_pressure_unit = "Choisir la seconde unité de pression";
    Power = "Puissance";
    NUM_more_power_units = "one{%i autre unité de puissance} other{%i autres unités de puissance}";
    Pick_first_power_unit = "Choisir la première unité de puissance";
    Pick_second_power_unit = "Choisir la seconde unité de puissance";
    Energy = "Énergie";
    NUM_more_energy_units = "one{%i autre unité d’énergie} other{%i autres unités d’énergie}";
    Pick_first_energy_unit = "Choisir la première unité d’énergie";
    Pick_second_energy_unit = "Choisir la seconde unité d’énergie";
    Time = "Durée";
    NUM_more_time_units = "one{%i autre unité de durée} other{%i autres unités de durée}";
    Pick_first_time_unit = "Choisir la première unité de durée";
    Pick_second_time_unit = "Choisir la seconde unité de durée";
    Fuel_consumption = "Consommation de carburant";
    NUM_more_consumption_units =
        "one{%i autre unité de consommation} other{%i autres unités de consommation}";
    Pick_first_consumption_unit = "Choisir la première unité de consommation";
    Pick_second_consumption_unit = "Choisir la seconde unité de consommation";

    US_Miles_per_gallon = "[US]\u00A0Miles par gallon";
    Miles_per_liter = "Miles par litre";
    Kilometer = "Kilomètre (km)";
    Meter = "Mètre (m)";
    Foot = "Pied (ft)";
    Decimeter = "Décimètre (dm)";
    Inch = "Pouce";
    Centimeter = "Centimètre (cm)";
    Millimeter = "Millimètre (mm)";
    Micrometer = "Micromètre (μm)";
    Nanometer = "Nanomètre (nm)";
    Nautical_mile = "Mille marin (M, NM)";
    Light_second = "Seconde-lumière";
    Light_minute = "Minute-lumière (lm)";
    Light_hour = "Heure-lumière (lh)";
    Light_day = "Jour-lumière (ld)";
    Light_year = "Année-lumière (al, ly)";
    Miles_per_hour = "Miles par heure (mph, mi/h)";
    Kilometer_per_hour = "Kilomètres par heure (km/h)";
    Meter_per_second = "Mètre par seconde (m/s, mps)";
    Foot_per_second = "Pied par seconde";
    Knot = "Nœud (nd, kn, kt)";
    Imperial_ton_Long_ton = "Tonne impériale / longue (tn. l., ts)";
    US_Ton_Short_Ton = "[US] Tonne courte (tn. sh.)";
    Kilogram = "Kilogramme (kg)";
    Pound = "Livre (lb)";
    Ounce = "Once (oz.)";
    Gram = "Gramme (g)";
    Milligram = "Milligramme (mg)";
    Microgram = "Microgramme (μg)";
    Square_mile = "Mile carré (mi², sqmi)";
    Square_kilometer = "Kilomètre carré (km²)";
    Square_meter = "Mètre carré (m²)";
    Square_centimeter = "Centimètre carré (cm²)";
    Square_millimeter = "Millimètre carré (mm²)";
    Square_inch = "Pouce carré";
    Square_yard = "Yard carré";
    Square_foot = "Pied carré";
    Cubic_meter = "Mètre cube (m³)";
    Imperial_gallon = "Gallon impérial";
    US_liquid_gallon = "Gallon liquide US (US.liq.gal.)";
    US_dry_gallon = "Gallon sec US (US.dry.gal.)";
    Imperial_quart = "Quart impérial";
    Imperial_pint = "Pinte impériale";
    US_liquid_quart = "Quart liquide US (US.liq.qt.)";
    US_liquid_pint = "Pinte liquide US (US.liq.pt.)";
    US_Fluid_ounce = "[US] Once liquide";
    Imperial_cup = "Tasse impériale";
    Deciliter = "Décilitre (dl)";
    Milliliter = "Millilitre (ml)";
    US_Legal_cup = "[US] Tasse légale";
    Cubic_foot = "Pied cube (ft3, cft)";
    Cubic_inch = "Pouce cube (in3, cuin)";
    US_Tablespoon = "[US] Cuillère à soupe";
    US_Teaspoon = "[US] Cuillère à café";
    Imperial_tablespoon = "Cuillère à soupe impériale";
    Metric_tablespoon = "Cuillère à soupe métrique";
    Standard_atmosphere = "Atmosphère normale (atm)";
    Millimeter_of_mercury = "Millimètre de mercure";
    Pounds_per_square_inch = "Livre-force par pouce carré (psi, lbf/in2)";
    Megawatt = "Mégawatt (MW)";
    Metric_horsepower = "Cheval-vapeur (ch, hp(M))";
    Year = "Année";
    Week = "Semaine (w)";
    Day = "Jour (d)";
    Hour = "Heure (h)";
    Second = "Seconde (s)";
    Millisecond = "Milliseconde (ms)";
    Microsecond = "Microseconde (μs)";
    Nanosecond = "Nanoseconde (ns)";
    // The French symbols lead; the short names the rows show follow them.
    Zettabyte = "Zettaoctet (Zo, ZB)";
    Exabyte = "Exaoctet (Eo, EB)";
    Petabyte = "Pétaoctet (Po, PB)";
    Terabyte = "Téraoctet (To, TB)";
    Gigabyte = "Gigaoctet (Go, GB)";
    Megabyte = "Mégaoctet (Mo, MB)";
    Kibibyte = "Kibioctet (Kio, KiB)";
    Kilobyte = "Kilooctet (ko, KB)";
    Byte = "Octet (o, B)";
    Temperature = "Température";
    Celsius = "Degré Celsius";
    Fahrenheit = "Degré Fahrenheit";
    NUM_more_temperatures =
        "one{%i autre unité de température} other{%i autres unités de température}";
    Pick_first_temperature = "Choisir la première unité de température";
    Pick_second_temperature = "Choisir la seconde unité de température";
    Metric_Tbsp = "c. à s.";
    Unit_of_measurement = "Unité de mesure";
    Conversion_of_units = "Conversion des unités";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copier";
    E_mail = "E-mail";
    Paste = "Coller";
    Key_plus = "plus";
    Key_plus_hint = "additionner le nombre suivant";
    Key_minus = "moins";
    Key_minus_hint = "soustraire le nombre suivant";
    Key_times = "fois";
    Key_times_hint = "multiplier par le nombre suivant";
    Key_divide = "divisé par";
    Key_divide_hint = "diviser par le nombre suivant";
    Key_equals = "égal";
    Key_equals_hint = "afficher le résultat";
    Key_clear = "effacer";
    Key_clear_hint = "remettre les deux lignes à zéro";
    Key_change_sign = "changer de signe";
    Key_change_sign_hint = "prendre l’opposé du nombre";
    Key_decimal_separator = "séparateur décimal";
    Key_decimal_separator_hint = "commencer les décimales";
    Key_switch_units = "inverser les unités";
    Key_switch_units_hint = "échanger les deux unités";
    Key_choose_units = "choisir les unités";
    Key_choose_units_hint = "sélectionner les deux unités";
    Key_calculator = "calculatrice";
    Key_calculator_hint = "mode calculatrice";
    Key_converter = "convertisseur";
    Key_converter_hint = "mode convertisseur";
    Currency_rates_not_downloaded =
        "Pas encore de taux de change. Ils arrivent dès que Ratio est en ligne.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Yuan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
