#include "localization/tables/GreekStrings.h"

#include <string>

namespace ratio {

// Symbols and names Greek writes exactly as British English does.
const std::vector<std::string_view> GreekStrings::sameAsBritish = {
    "OK_Yes",   "Stone",    "Zettabyte", "Exabyte",  "Petabyte", "Terabyte",
    "Gigabyte", "Megabyte", "Kibibyte",  "Kilobyte", "Byte",     "Bit",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

GreekStrings::GreekStrings() {
    China = "Κίνα";
    Taiwan = "Ταϊβάν";
    Thousandth_of_an_inch = "Χιλιοστό της ίντσας";
    Angstrom = "Άνγκστρομ (Å)";
    Fathom = "Οργιά";
    Cancel = "Ακύρωση";
    Pick_first_unit = "Επιλέξτε την πρώτη μονάδα";
    Done = "Τέλος";
    Back = "Πίσω";
    OK_Yes = "OK";
    No = "Όχι";
    Share = "Κοινοποίηση";
    Select_Auswählen = "Επιλογή";
    Not_Now = "Όχι τώρα";
    Clear = "Διαγραφή";
    Search = "Αναζήτηση";
    Euro = "Ευρώ (€, EUR)";
    United_States_dollar = "Δολάριο ΗΠΑ ($, USD)";
    Japanese_yen = "Γιεν Ιαπωνίας (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Λίρα Στερλίνα Βρετανίας (£, GBP)";
    Australian_dollar = "Δολάριο Αυστραλίας ($A, AUD, $)";
    Canadian_dollar = "Δολάριο Καναδά (Can$, CAD, $)";
    Swiss_franc = "Φράγκο Ελβετίας (SFr., CHF, Fr.)";
    Swedish_krona = "Κορόνα Σουηδίας (Skr, kr, SEK)";
    New_Zealand_dollar = "Δολάριο Νέας Ζηλανδίας (NZ$, NZD, $)";
    Mexican_peso = "Πέσο Μεξικού (Mex$, MXN, $)";
    Russian_ruble = "Ρούβλι Ρωσίας (₽, RUB, руб)";
    Turkish_lira = "Λίρα Τουρκίας (₺, TRY, TL)";
    Indian_rupee = "Ρουπία Ινδίας (₹, INR)";
    Brazilian_real = "Ρεάλ Βραζιλίας (R$, BRL)";
    South_Korean_won = "Γουόν Νότιας Κορέας (₩, KRW)";
    Bulgarian_lev = "Λεβ Βουλγαρίας (лв, BGN)";
    Czech_koruna = "Κορόνα Τσεχίας (Kč, CZK)";
    Danish_krone = "Κορόνα Δανίας (kr., DKK, dkr.)";
    Hungarian_forint = "Φιορίνι Ουγγαρίας (Ft, HUF)";
    Polish_złoty = "Ζλότι Πολωνίας (zł, PLN)";
    Romanian_leu = "Λέου Ρουμανίας (L, RON)";
    Hong_Kong_dollar = "Δολάριο Χονγκ Κονγκ (HK$, HKD)";
    Norwegian_krone = "Κορόνα Νορβηγίας (NOK, kr)";
    Icelandic_króna = "Κορόνα Ισλανδίας (ISK, kr, ikr)";
    Croatian_kuna = "Κούνα Κροατίας (HRK, kn)";
    Indonesian_rupiah = "Ρουπία Ινδονησίας (IDR, Rp)";
    Israeli_new_shekel = "Νέο Σέκελ Ισραήλ (ILS, ₪)";
    Malaysian_ringgit = "Ρινγκίτ Μαλαισίας (MYR, RM)";
    Philippine_peso = "Πέσο Φιλιππίνων (PHP, ₱)";
    Singapore_dollar = "Δολάριο Σιγκαπούρης (SGD, S$, $)";
    Thai_baht = "Μπατ Ταϊλάνδης (THB, ฿)";
    South_African_rand = "Ραντ Νότιας Αφρικής (ZAR, R)";
    Unit = "Μονάδα";
    Currency = "Νόμισμα";
    Pick_first_currency = "Επιλέξτε το πρώτο νόμισμα";
    Pick_second_currency = "Επιλέξτε το δεύτερο νόμισμα";
    Length = "Μήκος";
    Pick_first_length = "Επιλέξτε την πρώτη μονάδα μήκους";
    Pick_second_length = "Επιλέξτε τη δεύτερη μονάδα μήκους";
    Speed = "Ταχύτητα";
    Pick_first_speed = "Επιλέξτε την πρώτη μονάδα ταχύτητας";
    Pick_second_speed = "Επιλέξτε τη δεύτερη μονάδα ταχύτητας";
    Mass = "Μάζα";
    Pick_first_mass_unit = "Επιλέξτε την πρώτη μονάδα μάζας";
    Pick_second_mass_unit = "Επιλέξτε τη δεύτερη μονάδα μάζας";
    Area = "Εμβαδόν";
    Pick_first_area_unit = "Επιλέξτε την πρώτη μονάδα εμβαδού";
    Pick_second_area_unit = "Επιλέξτε τη δεύτερη μονάδα εμβαδού";
    Units_of_information = "Μονάδες πληροφορίας";
    Pick_first_unit_of_information = "Επιλέξτε την πρώτη μονάδα πληροφορίας";
    Pick_second_unit_of_information = "Επιλέξτε τη δεύτερη μονάδα πληροφορίας";
    Volume = "Όγκος";
    Pick_first_volume = "Επιλέξτε την πρώτη μονάδα όγκου";
    Pick_second_volume = "Επιλέξτε τη δεύτερη μονάδα όγκου";
    Pressure = "Πίεση";
    Pick_first_pressure_unit = "Επιλέξτε την πρώτη μονάδα πίεσης";
    Pick_second_pressure_unit = "Επιλέξτε τη δεύτερη μονάδα πίεσης";
    Power = "Ισχύς";
    Pick_first_power_unit = "Επιλέξτε την πρώτη μονάδα ισχύος";
    Pick_second_power_unit = "Επιλέξτε τη δεύτερη μονάδα ισχύος";
    Energy = "Ενέργεια";
    Pick_first_energy_unit = "Επιλέξτε την πρώτη μονάδα ενέργειας";
    Pick_second_energy_unit = "Επιλέξτε τη δεύτερη μονάδα ενέργειας";
    Time = "Χρόνος";
    Pick_first_time_unit = "Επιλέξτε την πρώτη μονάδα χρόνου";
    Pick_second_time_unit = "Επιλέξτε τη δεύτερη μονάδα χρόνου";
    Fuel_consumption = "Κατανάλωση καυσίμου";
    Pick_first_consumption_unit = "Επιλέξτε την πρώτη μονάδα κατανάλωσης";
    Pick_second_consumption_unit = "Επιλέξτε τη δεύτερη μονάδα κατανάλωσης";
    US_Miles_per_gallon = "[ΗΠΑ]\u00A0Μίλια ανά γαλόνι";
    Miles_per_liter = "Μίλια ανά λίτρο";
    Mile = "Μίλι (mile, mi)";
    Kilometer = "Χιλιόμετρο (km)";
    Meter = "Μέτρο (m)";
    Yard = "Γιάρδα (yd)";
    Foot = "Πόδι (ft)";
    Decimeter = "Δεκατόμετρο (dm)";
    Inch = "Ίντσα";
    Centimeter = "Εκατοστό (cm)";
    Millimeter = "Χιλιοστόμετρο (mm)";
    Micrometer = "Μικρόμετρο (μm)";
    Nanometer = "Νανόμετρο (nm)";
    Nautical_mile = "Ναυτικό μίλι (M, NM)";
    Light_second = "Δευτερόλεπτο φωτός";
    Light_minute = "Λεπτό φωτός (lm)";
    Light_hour = "Ώρα φωτός (lh)";
    Light_day = "Ημέρα φωτός (ld)";
    Light_year = "Έτος φωτός (ly)";
    Parsec = "Παρσέκ";
    Miles_per_hour = "Μίλια ανά ώρα (mph, mi/h)";
    Kilometer_per_hour = "Χιλιόμετρα ανά ώρα (km/h)";
    Meter_per_second = "Μέτρο ανά δευτερόλεπτο (m/s, mps)";
    Foot_per_second = "Πόδι ανά δευτερόλεπτο";
    Knot = "Κόμβος (kn, kt)";
    Imperial_ton_Long_ton = "Αγγλικός τόνος / Μακρύς τόνος (tn. l., ts)";
    Tonne = "Τόνος";
    // The name already says ΗΠΑ, so no region bracket.
    US_Ton_Short_Ton = "Τόνος ΗΠΑ / Βραχύς τόνος (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Χιλιόγραμμο (kg)";
    Pound = "Λίβρα (lb)";
    Ounce = "Ουγγιά (oz.)";
    Gram = "Γραμμάριο (g)";
    Milligram = "Χιλιοστόγραμμο (mg)";
    Microgram = "Μικρογραμμάριο (μg)";
    Square_mile = "Τετραγωνικό μίλι (mi², sqmi)";
    Square_kilometer = "Τετραγωνικό χιλιόμετρο (km²)";
    Square_meter = "Τετραγωνικό μέτρο (m²)";
    Hectare = "Εκτάριο (ha)";
    Acre = "Άκρ (ac)";
    Square_centimeter = "Τετραγωνικό εκατοστό (cm²)";
    Square_millimeter = "Τετραγωνικό χιλιοστό (mm²)";
    Square_inch = "Τετραγωνική ίντσα";
    Square_yard = "Τετραγωνική γιάρδα";
    Square_foot = "Τετραγωνικό πόδι";
    Cubic_meter = "Κυβικό μέτρο (m³)";
    Imperial_gallon = "Αγγλοσαξονικό γαλόνι";
    US_liquid_gallon = "Γαλόνι ΗΠΑ (US.liq.gal.)";
    US_dry_gallon = "Γαλόνι ξηρών ΗΠΑ (US.dry.gal.)";
    Imperial_quart = "Αγγλοσαξονικό κουάρτ";
    Imperial_pint = "Αγγλοσαξονική πίντα";
    Liter = "Λίτρο (l)";
    US_liquid_quart = "Κουάρτ ΗΠΑ (US.liq.qt.)";
    US_liquid_pint = "Πίντα ΗΠΑ (US.liq.pt.)";
    US_Fluid_ounce = "[ΗΠΑ] Ουγγιά όγκου";
    Imperial_cup = "Αγγλοσαξονικό κύπελλο";
    Deciliter = "Δεκατόλιτρο (dl)";
    Milliliter = "Χιλιοστόλιτρο (ml)";
    US_Legal_cup = "[ΗΠΑ] Νόμιμο κύπελλο";
    Cubic_foot = "Κυβικό πόδι (ft3, cft)";
    Cubic_inch = "Κυβική ίντσα (in3, cuin)";
    US_Tablespoon = "[ΗΠΑ] Κουταλιά της σούπας";
    US_Teaspoon = "[ΗΠΑ] Κουταλιά του γλυκού";
    Imperial_tablespoon = "Αγγλοσαξονική κουταλιά της σούπας";
    Metric_tablespoon = "Μετρική κουταλιά της σούπας";
    Bar = "Μπαρ (bar)";
    Standard_atmosphere = "Πρότυπη ατμόσφαιρα (atm)";
    Pascal = "Πασκάλ (Pa)";
    Hectopascal = "Εκτοπασκάλ";
    Millibar = "Μιλιμπάρ";
    Torr = "Τορ";
    Millimeter_of_mercury = "Χιλιοστόμετρο στήλης υδραργύρου";
    Pounds_per_square_inch = "Λίβρα ανά τετραγωνική ίντσα (psi, lbf/in2)";
    Megawatt = "Μεγαβάτ (MW)";
    Kilowatt = "Κιλοβάτ (kW)";
    // Greek writes ίπ. (ίππος); the row keeps hp(M).
    Metric_horsepower = "Ίππος (ίπ., hp(M))";
    Watt = "Βατ (W)";
    Year = "Έτος";
    Week = "Εβδομάδα (w)";
    Day = "Ημέρα (d)";
    Hour = "Ώρα (h)";
    Minute = "Λεπτό (min)";
    Second = "Δευτερόλεπτο (s)";
    Millisecond = "Χιλιοστό του δευτερολέπτου (ms)";
    Microsecond = "Μικροδευτερόλεπτο (μs)";
    Nanosecond = "Νανοδευτερόλεπτο (ns)";
    Kilocalorie = "Χιλιοθερμίδα";
    Kilojoule = "Κιλοτζάουλ";
    Calorie = "Θερμίδα";
    Joule = "Τζάουλ";
    Temperature = "Θερμοκρασία";
    Celsius = "Βαθμός Κελσίου";
    Fahrenheit = "Βαθμός Φαρενάιτ";
    Kelvin = "Βαθμός Κέλβιν";
    Pick_first_temperature = "Επιλέξτε την πρώτη μονάδα θερμοκρασίας";
    Pick_second_temperature = "Επιλέξτε τη δεύτερη μονάδα θερμοκρασίας";
    // Recipes write the 15 ml spoon as "κ.σ." (κουταλιά της σούπας).
    Metric_Tbsp = "κ.σ.";
    Unit_of_measurement = "Μονάδα μέτρησης";
    Conversion_of_units = "Μετατροπή μονάδων";

    NUM_more_currencies = "one{%i ακόμη νόμισμα} other{%i ακόμη νομίσματα}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{%i ακόμη μονάδα " + genitive + "} other{%i ακόμη μονάδες " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("μήκους");
    NUM_more_speed_units = moreUnitsOf("ταχύτητας");
    NUM_more_mass_units = moreUnitsOf("μάζας");
    NUM_more_area_units = moreUnitsOf("εμβαδού");
    NUM_more_units_of_information = moreUnitsOf("πληροφορίας");
    NUM_more_volumes = moreUnitsOf("όγκου");
    NUM_more_pressure_units = moreUnitsOf("πίεσης");
    NUM_more_power_units = moreUnitsOf("ισχύος");
    NUM_more_energy_units = moreUnitsOf("ενέργειας");
    NUM_more_time_units = moreUnitsOf("χρόνου");
    NUM_more_temperatures = moreUnitsOf("θερμοκρασίας");
    NUM_more_consumption_units = moreUnitsOf("κατανάλωσης");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Αντιγραφή";
    E_mail = "Email";
    Paste = "Επικόλληση";
    Key_plus = "Συν";
    Key_plus_hint = "Πρόσθεση του επόμενου αριθμού";
    Key_minus = "Πλην";
    Key_minus_hint = "Αφαίρεση του επόμενου αριθμού";
    Key_times = "Επί";
    Key_times_hint = "Πολλαπλασιασμός με τον επόμενο αριθμό";
    Key_divide = "Διά";
    Key_divide_hint = "Διαίρεση με τον επόμενο αριθμό";
    Key_equals = "Ίσον";
    Key_equals_hint = "Εμφάνιση του αποτελέσματος";
    Key_clear = "Διαγραφή";
    Key_clear_hint = "Μηδενισμός και των δύο γραμμών";
    Key_change_sign = "Αλλαγή προσήμου";
    Key_change_sign_hint = "Αντιστροφή του προσήμου του αριθμού";
    Key_decimal_separator = "Υποδιαστολή";
    Key_decimal_separator_hint = "Έναρξη των δεκαδικών ψηφίων";
    Key_switch_units = "Εναλλαγή μονάδων";
    Key_switch_units_hint = "Αντιμετάθεση των δύο μονάδων";
    Key_choose_units = "Επιλογή μονάδων";
    Key_choose_units_hint = "Επιλογή των δύο μονάδων";
    Key_calculator = "Αριθμομηχανή";
    Key_calculator_hint = "Λειτουργία αριθμομηχανής";
    Key_converter = "Μετατροπέας";
    Key_converter_hint = "Λειτουργία μετατροπέα";
    Currency_rates_not_downloaded =
        "Δεν έχουν ληφθεί ακόμη ισοτιμίες. Έρχονται μόλις το Ratio συνδεθεί.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Γουάν (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
