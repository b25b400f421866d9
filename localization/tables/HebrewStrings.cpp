#include "localization/tables/HebrewStrings.h"

#include <string>

namespace ratio {

// Hebrew writes every text in its own script, so nothing stays British.
const std::vector<std::string_view> HebrewStrings::sameAsBritish = {
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Texts read right to left; the symbols in the brackets stay as they are, and
// the count texts hold nothing but "%i" around which the number is placed, so a
// count is never split by direction marks. Prompts use the noun form (בחירת)
// that Hebrew apps use for buttons and titles, which needs no gender. US and
// imperial measures carry the adjectives אמריקאי and אימפריאלי instead of a
// region bracket, and the pound says בריטית.
HebrewStrings::HebrewStrings() {
    China = "סין";
    Taiwan = "טייוואן";
    Thousandth_of_an_inch = "אלפית אינץ׳";
    Angstrom = "אנגסטרום (Å)";
    Fathom = "פתום";
    Cancel = "ביטול";
    Pick_first_unit = "בחירת יחידה ראשונה";
    Done = "סיום";
    Back = "חזרה";
    OK_Yes = "אישור";
    No = "לא";
    Share = "שיתוף";
    Select_Auswählen = "בחירה";
    Not_Now = "לא עכשיו";
    Clear = "ניקוי";
    Search = "חיפוש";
    Euro = "אירו (€, EUR)";
    United_States_dollar = "דולר אמריקאי ($, USD)";
    Japanese_yen = "ין יפני (¥, JPY, 円)";
    // Sterling already says British, so no region bracket.
    UK_Pound_sterling = "לירה שטרלינג בריטית (£, GBP)";
    Australian_dollar = "דולר אוסטרלי ($A, AUD, $)";
    Canadian_dollar = "דולר קנדי (Can$, CAD, $)";
    Swiss_franc = "פרנק שוויצרי (SFr., CHF, Fr.)";
    Swedish_krona = "כתר שוודי (Skr, kr, SEK)";
    New_Zealand_dollar = "דולר ניו זילנדי (NZ$, NZD, $)";
    Mexican_peso = "פסו מקסיקני (Mex$, MXN, $)";
    Russian_ruble = "רובל רוסי (₽, RUB, руб)";
    // The "new" lira has been the plain lira again since 2009.
    Turkish_lira = "לירה טורקית (₺, TRY, TL)";
    Indian_rupee = "רופי הודי (₹, INR)";
    Brazilian_real = "ריאל ברזילאי (R$, BRL)";
    South_Korean_won = "וון דרום קוריאני (₩, KRW)";
    Bulgarian_lev = "לב בולגרי (лв, BGN)";
    Czech_koruna = "קורונה צ׳כית (Kč, CZK)";
    Danish_krone = "כתר דני (kr., DKK, dkr.)";
    Hungarian_forint = "פורינט הונגרי (Ft, HUF)";
    Polish_złoty = "זלוטי פולני (zł, PLN)";
    Romanian_leu = "לאו רומני (L, RON)";
    Hong_Kong_dollar = "דולר הונג קונגי (HK$, HKD)";
    Norwegian_krone = "כתר נורווגי (NOK, kr)";
    Icelandic_króna = "כתר איסלנדי (ISK, kr, ikr)";
    Croatian_kuna = "קונה קרואטי (HRK, kn)";
    Indonesian_rupiah = "רופיה אינדונזית (IDR, Rp)";
    Israeli_new_shekel = "שקל חדש (ILS, ₪)";
    Malaysian_ringgit = "רינגיט מלזי (MYR, RM)";
    Philippine_peso = "פזו פיליפיני (PHP, ₱)";
    Singapore_dollar = "דולר סינגפורי (SGD, S$, $)";
    Thai_baht = "בהט תאילנדי (THB, ฿)";
    South_African_rand = "ראנד דרום אפריקאי (ZAR, R)";
    Unit = "יחידה";
    Currency = "מטבע";
    Pick_first_currency = "בחירת מטבע ראשון";
    Pick_second_currency = "בחירת מטבע שני";
    Length = "אורך";
    Pick_first_length = "בחירת יחידת אורך ראשונה";
    Pick_second_length = "בחירת יחידת אורך שנייה";
    Speed = "מהירות";
    Pick_first_speed = "בחירת יחידת מהירות ראשונה";
    Pick_second_speed = "בחירת יחידת מהירות שנייה";
    Mass = "מסה";
    Pick_first_mass_unit = "בחירת יחידת מסה ראשונה";
    Pick_second_mass_unit = "בחירת יחידת מסה שנייה";
    Area = "שטח";
    Pick_first_area_unit = "בחירת יחידת שטח ראשונה";
    Pick_second_area_unit = "בחירת יחידת שטח שנייה";
    Units_of_information = "יחידות מידע";
    Pick_first_unit_of_information = "בחירת יחידת מידע ראשונה";
    Pick_second_unit_of_information = "בחירת יחידת מידע שנייה";
    Volume = "נפח";
    Pick_first_volume = "בחירת יחידת נפח ראשונה";
    Pick_second_volume = "בחירת יחידת נפח שנייה";
    Pressure = "לחץ";
    Pick_first_pressure_unit = "בחירת יחידת לחץ ראשונה";
    Pick_second_pressure_unit = "בחירת יחידת לחץ שנייה";
    Power = "הספק";
    Pick_first_power_unit = "בחירת יחידת הספק ראשונה";
    Pick_second_power_unit = "בחירת יחידת הספק שנייה";
    Energy = "אנרגיה";
    Pick_first_energy_unit = "בחירת יחידת אנרגיה ראשונה";
    Pick_second_energy_unit = "בחירת יחידת אנרגיה שנייה";
    Time = "זמן";
    Pick_first_time_unit = "בחירת יחידת זמן ראשונה";
    Pick_second_time_unit = "בחירת יחידת זמן שנייה";
    Fuel_consumption = "צריכת דלק";
    Pick_first_consumption_unit = "בחירת יחידת צריכה ראשונה";
    Pick_second_consumption_unit = "בחירת יחידת צריכה שנייה";
    US_Miles_per_gallon = "מייל לגלון אמריקאי";
    Miles_per_liter = "מייל לליטר";
    Mile = "מייל (mile, mi)";
    Kilometer = "קילומטר (km)";
    Meter = "מטר (m)";
    Yard = "יארד (yd)";
    Foot = "רגל (ft)";
    Decimeter = "דצימטר (dm)";
    Inch = "אינץ׳";
    Centimeter = "סנטימטר (cm)";
    Millimeter = "מילימטר (mm)";
    Micrometer = "מיקרומטר (μm)";
    Nanometer = "ננומטר (nm)";
    Nautical_mile = "מייל ימי (M, NM)";
    Light_second = "שניית אור";
    Light_minute = "דקת אור (lm)";
    Light_hour = "שעת אור (lh)";
    Light_day = "יום אור (ld)";
    Light_year = "שנת אור (ly)";
    Parsec = "פארסק";
    Miles_per_hour = "מייל לשעה (mph, mi/h)";
    Kilometer_per_hour = "קילומטר לשעה (km/h)";
    Meter_per_second = "מטר לשנייה (m/s, mps)";
    Foot_per_second = "רגל לשנייה";
    Knot = "קשר (kn, kt)";
    Imperial_ton_Long_ton = "טון אימפריאלי / טון ארוך (tn. l., ts)";
    Tonne = "טון מטרי";
    US_Ton_Short_Ton = "טון אמריקאי / טון קצר (tn. sh.)";
    Stone = "סטון";
    Kilogram = "קילוגרם (kg)";
    Pound = "פאונד (lb)";
    Ounce = "אונקיה (oz.)";
    Gram = "גרם (g)";
    Milligram = "מיליגרם (mg)";
    Microgram = "מיקרוגרם (μg)";
    Square_mile = "מייל רבוע (mi², sqmi)";
    Square_kilometer = "קילומטר רבוע (km²)";
    Square_meter = "מטר רבוע (m²)";
    Hectare = "הקטאר (ha)";
    Acre = "אקר (ac)";
    Square_centimeter = "סנטימטר רבוע (cm²)";
    Square_millimeter = "מילימטר רבוע (mm²)";
    Square_inch = "אינץ׳ רבוע";
    Square_yard = "יארד רבוע";
    Square_foot = "רגל רבועה";
    Cubic_meter = "מטר מעוקב (m³)";
    Imperial_gallon = "גלון אימפריאלי";
    US_liquid_gallon = "גלון אמריקאי לנוזלים (US.liq.gal.)";
    US_dry_gallon = "גלון אמריקאי ליבשים (US.dry.gal.)";
    Imperial_quart = "קווארט אימפריאלי";
    Imperial_pint = "פינט אימפריאלי";
    Liter = "ליטר (l)";
    US_liquid_quart = "קווארט אמריקאי לנוזלים (US.liq.qt.)";
    US_liquid_pint = "פינט אמריקאי לנוזלים (US.liq.pt.)";
    US_Fluid_ounce = "אונקיית נוזלים אמריקאית";
    Imperial_cup = "כוס אימפריאלית";
    Deciliter = "דציליטר (dl)";
    Milliliter = "מיליליטר (ml)";
    US_Legal_cup = "כוס תקנית אמריקאית";
    Cubic_foot = "רגל מעוקב (ft3, cft)";
    Cubic_inch = "אינץ׳ מעוקב (in3, cuin)";
    US_Tablespoon = "כף אמריקאית";
    US_Teaspoon = "כפית אמריקאית";
    Imperial_tablespoon = "כף אימפריאלית";
    Metric_tablespoon = "כף מטרית";
    Bar = "בר (bar)";
    Standard_atmosphere = "אטמוספרה תקנית (atm)";
    Pascal = "פסקל (Pa)";
    Hectopascal = "הקטופסקל";
    Millibar = "מיליבר";
    Torr = "טור";
    Millimeter_of_mercury = "מילימטר כספית";
    Pounds_per_square_inch = "פאונד לאינץ׳ רבוע (psi, lbf/in2)";
    Megawatt = "מגה ואט (MW)";
    Kilowatt = "קילוואט (kW)";
    Metric_horsepower = "כוח סוס מטרי (hp(M))";
    Watt = "ואט (W)";
    Year = "שנה";
    Week = "שבוע (w)";
    Day = "יום (d)";
    Hour = "שעה (h)";
    Minute = "דקה (min)";
    Second = "שנייה (s)";
    Millisecond = "אלפית שנייה (ms)";
    Microsecond = "מיליונית שנייה (μs)";
    Nanosecond = "ננו שנייה (ns)";
    Kilocalorie = "קילו קלוריה";
    Kilojoule = "קילו ג׳אול";
    Calorie = "קלוריה";
    Joule = "ג׳אול";
    Zettabyte = "זטה-בייט";
    Exabyte = "אקסה-בייט";
    Petabyte = "פטה-בייט";
    Terabyte = "טרה-בייט";
    Gigabyte = "ג׳יגה-בייט";
    Megabyte = "מגה-בייט";
    Kibibyte = "קיבי-בייט";
    Kilobyte = "קילו-בייט";
    Byte = "בייט";
    Bit = "ביט (bit, b)";
    Temperature = "טמפרטורה";
    Celsius = "מעלת צלזיוס";
    Fahrenheit = "מעלת פרנהייט";
    Kelvin = "קלווין";
    Pick_first_temperature = "בחירת יחידת טמפרטורה ראשונה";
    Pick_second_temperature = "בחירת יחידת טמפרטורה שנייה";
    // Recipes shorten כף, the 15 ml spoon, with a geresh.
    Metric_Tbsp = "כפ׳";
    Unit_of_measurement = "יחידת מידה";
    Conversion_of_units = "המרת יחידות";

    // One takes the singular; two, the round tens ("many") and the rest the
    // plural, and נוסף agrees with the noun's gender.
    NUM_more_currencies = "one{%i מטבע נוסף} two{%i מטבעות נוספים} many{%i מטבעות נוספים} "
                          "other{%i מטבעות נוספים}";
    const auto moreUnitsOf = [](const std::string& what) {
        const std::string plural = "%i יחידות " + what + " נוספות";
        return "one{%i יחידת " + what + " נוספת} two{" + plural + "} many{" + plural + "} other{" +
               plural + "}";
    };
    NUM_more_lengths = moreUnitsOf("אורך");
    NUM_more_speed_units = moreUnitsOf("מהירות");
    NUM_more_mass_units = moreUnitsOf("מסה");
    NUM_more_area_units = moreUnitsOf("שטח");
    NUM_more_units_of_information = moreUnitsOf("מידע");
    NUM_more_volumes = moreUnitsOf("נפח");
    NUM_more_pressure_units = moreUnitsOf("לחץ");
    NUM_more_power_units = moreUnitsOf("הספק");
    NUM_more_energy_units = moreUnitsOf("אנרגיה");
    NUM_more_time_units = moreUnitsOf("זמן");
    NUM_more_temperatures = moreUnitsOf("טמפרטורה");
    NUM_more_consumption_units = moreUnitsOf("צריכה");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "העתקה";
    E_mail = "אימייל";
    Paste = "הדבקה";
    Key_plus = "פלוס";
    Key_plus_hint = "חיבור המספר הבא";
    Key_minus = "מינוס";
    Key_minus_hint = "חיסור המספר הבא";
    Key_times = "כפול";
    Key_times_hint = "כפל במספר הבא";
    Key_divide = "חלקי";
    Key_divide_hint = "חילוק במספר הבא";
    Key_equals = "שווה";
    Key_equals_hint = "הצגת התוצאה";
    Key_clear = "ניקוי";
    Key_clear_hint = "איפוס שתי השורות";
    Key_change_sign = "החלפת סימן";
    Key_change_sign_hint = "היפוך סימן המספר";
    Key_decimal_separator = "נקודה עשרונית";
    Key_decimal_separator_hint = "התחלת הספרות העשרוניות";
    Key_switch_units = "החלפת יחידות";
    Key_switch_units_hint = "החלפה בין שתי היחידות";
    Key_choose_units = "בחירת יחידות";
    Key_choose_units_hint = "בחירת שתי היחידות";
    Key_calculator = "מחשבון";
    Key_calculator_hint = "מצב מחשבון";
    Key_converter = "ממיר";
    Key_converter_hint = "מצב ממיר יחידות";
    Currency_rates_not_downloaded = "שערי החליפין עדיין לא הורדו. הם יגיעו כאשר Ratio יתחבר לרשת.";

    // The bracket names China already, so the yuan needs no adjective.
    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "יואן (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
