#include "localization/tables/GermanStrings.h"

namespace ratio {

// Symbols, international names and words German spells exactly as British
// English does; the Chinese and Taiwanese names are romanizations, and China
// and Taiwan are the same words in German.
const std::vector<std::string_view> GermanStrings::sameAsBritish = {
    "China",      "Taiwan",     "OK_Yes",       "Euro",       "Yard",       "Parsec",
    "lǐ_length",  "yǐn_length", "zhàng_length", "chǐ_length", "cùn_length", "fēn_length",
    "lí_length",  "háo_length", "qǐng_area",    "mǔ_area",    "fēn_area",   "lí_area",
    "háo_area",   "Tonne",      "Stone",        "Acre",       "Taiwan_Lê",  "Taiwan_Kah",
    "Taiwan_Hun", "Taiwan_Bó͘",  "Taiwan_Pêⁿ",   "Bar",        "Pascal",     "Millibar",
    "Torr",       "Megawatt",   "Kilowatt",     "Watt",       "Minute",     "Kilojoule",
    "Joule",      "Zettabyte",  "Exabyte",      "Petabyte",   "Terabyte",   "Gigabyte",
    "Megabyte",   "Kibibyte",   "Kilobyte",     "Byte",       "Bit",        "Kelvin",
    "Key_plus",   "Key_minus",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

GermanStrings::GermanStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Tausendstel Zoll";
    Angstrom = "Ångström (Å)";
    Fathom = "Faden";
    Cancel = "Abbrechen";
    Pick_first_unit = "Erste Einheit wählen";
    Done = "Fertig";
    Back = "Zurück";
    No = "Nein";
    Share = "Teilen";
    Select_Auswählen = "Auswählen";
    Not_Now = "Nicht jetzt";
    Clear = "Löschen";
    Search = "Suchen";
    United_States_dollar = "US-Dollar ($, USD)";
    Japanese_yen = "Japanischer Yen (¥, JPY, 円)";
    // The adjective already names the country, so no region bracket.
    UK_Pound_sterling = "Britisches Pfund (£, GBP)";
    Australian_dollar = "Australischer Dollar ($A, AUD, $)";
    Canadian_dollar = "Kanadischer Dollar (Can$, CAD, $)";
    Swiss_franc = "Schweizer Franken (SFr., CHF, Fr.)";
    Swedish_krona = "Schwedische Krone (Skr, kr, SEK)";
    New_Zealand_dollar = "Neuseeland-Dollar (NZ$, NZD, $)";
    Mexican_peso = "Mexikanischer Peso (Mex$, MXN, $)";
    Russian_ruble = "Russischer Rubel (₽, RUB, руб)";
    Turkish_lira = "Türkische Lira (₺, TRY, TL)";
    Indian_rupee = "Indische Rupie (₹, INR)";
    Brazilian_real = "Brasilianischer Real (R$, BRL)";
    South_Korean_won = "Südkoreanischer Won (₩, KRW)";
    Bulgarian_lev = "Bulgarischer Lew (лв, BGN)";
    Czech_koruna = "Tschechische Krone (Kč, CZK)";
    Danish_krone = "Dänische Krone (kr., DKK, dkr.)";
    Hungarian_forint = "Ungarischer Forint (Ft, HUF)";
    Polish_złoty = "Polnischer Złoty (zł, PLN)";
    Romanian_leu = "Rumänischer Leu (L, RON)";
    Hong_Kong_dollar = "Hongkong-Dollar (HK$, HKD)";
    Norwegian_krone = "Norwegische Krone (NOK, kr)";
    Icelandic_króna = "Isländische Krone (ISK, kr, ikr)";
    Croatian_kuna = "Kroatische Kuna (HRK, kn)";
    Indonesian_rupiah = "Indonesische Rupiah (IDR, Rp)";
    Israeli_new_shekel = "Israelischer Neuer Schekel (ILS, ₪)";
    Malaysian_ringgit = "Malaysischer Ringgit (MYR, RM)";
    Philippine_peso = "Philippinischer Peso (PHP, ₱)";
    Singapore_dollar = "Singapur-Dollar (SGD, S$, $)";
    Thai_baht = "Thailändischer Baht (THB, ฿)";
    South_African_rand = "Südafrikanischer Rand (ZAR, R)";
    Unit = "Einheit";
    Currency = "Währung";
    NUM_more_currencies = "one{%i weitere Währung} other{%i weitere Währungen}";
    Pick_first_currency = "Erste Währung wählen";
    Pick_second_currency = "Zweite Währung wählen";
    Length = "Länge";
    NUM_more_lengths = "one{%i weitere Längeneinheit} other{%i weitere Längeneinheiten}";
    Pick_first_length = "Erste Längeneinheit wählen";
    Pick_second_length = "Zweite Längeneinheit wählen";
    Speed = "Geschwindigkeit";
    NUM_more_speed_units =
        "one{%i weitere Geschwindigkeitseinheit} other{%i weitere Geschwindigkeitseinheiten}";
    // "Geschwindigkeitseinheit" would not fit a phone's title bar.
    Pick_first_speed = "Erste Geschwindigkeit wählen";
    Pick_second_speed = "Zweite Geschwindigkeit wählen";
    Mass = "Masse";
    NUM_more_mass_units = "one{%i weitere Masseeinheit} other{%i weitere Masseeinheiten}";
    Pick_first_mass_unit = "Erste Masseeinheit wählen";
    Pick_second_mass_unit = "Zweite Masseeinheit wählen";
    Area = "Fläche";
    NUM_more_area_units = "one{%i weitere Flächeneinheit} other{%i weitere Flächeneinheiten}";
    Pick_first_area_unit = "Erste Flächeneinheit wählen";
    Pick_second_area_unit = "Zweite Flächeneinheit wählen";
    Units_of_information = "Informationseinheiten";
    NUM_more_units_of_information =
        "one{%i weitere Informationseinheit} other{%i weitere Informationseinheiten}";
    Pick_first_unit_of_information = "Erste Informationseinheit wählen";
    Pick_second_unit_of_information = "Zweite Informationseinheit wählen";
    Volume = "Volumen";
    NUM_more_volumes = "one{%i weitere Volumeneinheit} other{%i weitere Volumeneinheiten}";
    Pick_first_volume = "Erste Volumeneinheit wählen";
    Pick_second_volume = "Zweite Volumeneinheit wählen";
    Pressure = "Druck";
    NUM_more_pressure_units = "one{%i weitere Druckeinheit} other{%i weitere Druckeinheiten}";
    Pick_first_pressure_unit = "Erste Druckeinheit wählen";
    Pick_second_pressure_unit = "Zweite Druckeinheit wählen";
    Power = "Leistung";
    NUM_more_power_units = "one{%i weitere Leistungseinheit} other{%i weitere Leistungseinheiten}";
    Pick_first_power_unit = "Erste Leistungseinheit wählen";
    Pick_second_power_unit = "Zweite Leistungseinheit wählen";
    Energy = "Energie";
    NUM_more_energy_units = "one{%i weitere Energieeinheit} other{%i weitere Energieeinheiten}";
    Pick_first_energy_unit = "Erste Energieeinheit wählen";
    Pick_second_energy_unit = "Zweite Energieeinheit wählen";
    Time = "Zeit";
    NUM_more_time_units = "one{%i weitere Zeiteinheit} other{%i weitere Zeiteinheiten}";
    Pick_first_time_unit = "Erste Zeiteinheit wählen";
    Pick_second_time_unit = "Zweite Zeiteinheit wählen";
    Fuel_consumption = "Kraftstoffverbrauch";
    NUM_more_consumption_units =
        "one{%i weitere Verbrauchseinheit} other{%i weitere Verbrauchseinheiten}";
    Pick_first_consumption_unit = "Erste Verbrauchseinheit wählen";
    Pick_second_consumption_unit = "Zweite Verbrauchseinheit wählen";
    US_Miles_per_gallon = "[US]\u00A0Meilen pro Gallone";
    Miles_per_liter = "Meilen pro Liter";
    Mile = "Meile (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Foot = "Fuß (ft)";
    Decimeter = "Dezimeter (dm)";
    Inch = "Zoll";
    Centimeter = "Zentimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    // German charts abbreviate the nautical mile "sm".
    Nautical_mile = "Seemeile (sm, M, NM)";
    Light_second = "Lichtsekunde";
    Light_minute = "Lichtminute (lm)";
    Light_hour = "Lichtstunde (lh)";
    Light_day = "Lichttag (ld)";
    Light_year = "Lichtjahr (Lj, ly)";
    Miles_per_hour = "Meilen pro Stunde (mph, mi/h)";
    Kilometer_per_hour = "Kilometer pro Stunde (km/h)";
    Meter_per_second = "Meter pro Sekunde (m/s, mps)";
    Foot_per_second = "Fuß pro Sekunde";
    Knot = "Knoten (kn, kt)";
    Imperial_ton_Long_ton = "Britische Tonne / Long Ton (tn. l., ts)";
    US_Ton_Short_Ton = "[US] Short Ton / Kurze Tonne (tn. sh.)";
    Kilogram = "Kilogramm (kg)";
    Pound = "Pfund (lb)";
    Ounce = "Unze (oz.)";
    Gram = "Gramm (g)";
    Milligram = "Milligramm (mg)";
    Microgram = "Mikrogramm (μg)";
    Square_mile = "Quadratmeile (mi², sqmi)";
    Square_kilometer = "Quadratkilometer (km²)";
    Square_meter = "Quadratmeter (m²)";
    Hectare = "Hektar (ha)";
    Square_centimeter = "Quadratzentimeter (cm²)";
    Square_millimeter = "Quadratmillimeter (mm²)";
    Square_inch = "Quadratzoll";
    Square_yard = "Quadratyard";
    Square_foot = "Quadratfuß";
    Cubic_meter = "Kubikmeter (m³)";
    Imperial_gallon = "Britische Gallone";
    US_liquid_gallon = "US-Flüssiggallone (US.liq.gal.)";
    US_dry_gallon = "US-Trockengallone (US.dry.gal.)";
    Imperial_quart = "Britisches Quart";
    Imperial_pint = "Britisches Pint";
    Liter = "Liter (l)";
    US_liquid_quart = "US-Flüssigquart (US.liq.qt.)";
    US_liquid_pint = "US-Flüssigpint (US.liq.pt.)";
    US_Fluid_ounce = "[US] Flüssigunze";
    Imperial_cup = "Britische Tasse";
    Deciliter = "Deziliter (dl)";
    Milliliter = "Milliliter (ml)";
    US_Legal_cup = "[US] Gesetzliche Tasse";
    Cubic_foot = "Kubikfuß (ft3, cft)";
    Cubic_inch = "Kubikzoll (in3, cuin)";
    US_Tablespoon = "[US] Esslöffel";
    US_Teaspoon = "[US] Teelöffel";
    Imperial_tablespoon = "Britischer Esslöffel";
    Metric_tablespoon = "Metrischer Esslöffel";
    // German norms call 101325 Pa the physical atmosphere.
    Standard_atmosphere = "Physikalische Atmosphäre (atm)";
    Hectopascal = "Hektopascal";
    Millimeter_of_mercury = "Millimeter Quecksilbersäule";
    Pounds_per_square_inch = "Pfund pro Quadratzoll (psi, lbf/in2)";
    // No bracket: the catalogue appends the German symbol PS from hp_M.
    Metric_horsepower = "Pferdestärke";
    Year = "Jahr";
    Week = "Woche (w)";
    Day = "Tag (d)";
    Hour = "Stunde (h)";
    Second = "Sekunde (s)";
    Millisecond = "Millisekunde (ms)";
    Microsecond = "Mikrosekunde (μs)";
    Nanosecond = "Nanosekunde (ns)";
    Kilocalorie = "Kilokalorie";
    Calorie = "Kalorie";
    Temperature = "Temperatur";
    Celsius = "Grad Celsius";
    Fahrenheit = "Grad Fahrenheit";
    NUM_more_temperatures =
        "one{%i weitere Temperatureinheit} other{%i weitere Temperatureinheiten}";
    Pick_first_temperature = "Erste Temperatureinheit wählen";
    Pick_second_temperature = "Zweite Temperatureinheit wählen";
    // Recipes write the 15 ml spoon as "EL" (Esslöffel).
    Metric_Tbsp = "EL";
    Unit_of_measurement = "Maßeinheit";
    Conversion_of_units = "Umrechnung von Einheiten";
    hp_M = {"PS", "hp(M)"};

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopieren";
    E_mail = "E-Mail";
    Paste = "Einfügen";
    Key_plus = "plus";
    Key_plus_hint = "die nächste Zahl addieren";
    Key_minus = "minus";
    Key_minus_hint = "die nächste Zahl subtrahieren";
    Key_times = "mal";
    Key_times_hint = "mit der nächsten Zahl multiplizieren";
    Key_divide = "geteilt durch";
    Key_divide_hint = "durch die nächste Zahl dividieren";
    Key_equals = "gleich";
    Key_equals_hint = "das Ergebnis anzeigen";
    Key_clear = "löschen";
    Key_clear_hint = "beide Zeilen auf null setzen";
    Key_change_sign = "Vorzeichen wechseln";
    Key_change_sign_hint = "das Vorzeichen der Zahl umkehren";
    Key_decimal_separator = "Dezimaltrennzeichen";
    Key_decimal_separator_hint = "mit den Nachkommastellen beginnen";
    Key_switch_units = "Einheiten tauschen";
    Key_switch_units_hint = "die beiden Einheiten vertauschen";
    Key_choose_units = "Einheiten wählen";
    Key_choose_units_hint = "die beiden Einheiten auswählen";
    Key_calculator = "Rechner";
    Key_calculator_hint = "Rechnermodus";
    Key_converter = "Umrechner";
    Key_converter_hint = "Umrechnermodus";
    Currency_rates_not_downloaded =
        "Noch keine Wechselkurse geladen. Sie kommen, sobald Ratio online ist.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Renminbi Yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
