#include "localization/tables/ArabicStrings.h"

#include <string>

namespace ratio {

// Arabic writes every text in its own script, so nothing stays British.
const std::vector<std::string_view> ArabicStrings::sameAsBritish = {
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Texts read right to left; the symbols in the brackets stay as they are, and
// the count texts hold nothing but "%i" around which the number is placed, so a
// count is never split by direction marks. US and imperial measures carry the
// adjectives أمريكي and إمبراطوري instead of a region bracket, and the pound
// says بريطاني.
ArabicStrings::ArabicStrings() {
    China = "الصين";
    Taiwan = "تايوان";
    Thousandth_of_an_inch = "جزء من الألف من البوصة";
    Angstrom = "أنغستروم (Å)";
    Fathom = "قامة";
    Cancel = "إلغاء";
    Pick_first_unit = "اختر الوحدة الأولى";
    Done = "تم";
    Back = "رجوع";
    OK_Yes = "حسنًا";
    No = "لا";
    Share = "مشاركة";
    Select_Auswählen = "اختيار";
    Not_Now = "ليس الآن";
    Clear = "مسح";
    Search = "بحث";
    Euro = "يورو (€, EUR)";
    United_States_dollar = "دولار أمريكي ($, USD)";
    Japanese_yen = "ين ياباني (¥, JPY, 円)";
    // Sterling already says British, so no region bracket.
    UK_Pound_sterling = "جنيه إسترليني بريطاني (£, GBP)";
    Australian_dollar = "دولار أسترالي ($A, AUD, $)";
    Canadian_dollar = "دولار كندي (Can$, CAD, $)";
    Swiss_franc = "فرنك سويسري (SFr., CHF, Fr.)";
    Swedish_krona = "كرونة سويدية (Skr, kr, SEK)";
    New_Zealand_dollar = "دولار نيوزيلندي (NZ$, NZD, $)";
    Mexican_peso = "بيزو مكسيكي (Mex$, MXN, $)";
    Russian_ruble = "روبل روسي (₽, RUB, руб)";
    Turkish_lira = "ليرة تركية (₺, TRY, TL)";
    // روبية is feminine, so its adjective is too.
    Indian_rupee = "روبية هندية (₹, INR)";
    Brazilian_real = "ريال برازيلي (R$, BRL)";
    South_Korean_won = "وون كوريا الجنوبية (₩, KRW)";
    Bulgarian_lev = "ليف بلغاري (лв, BGN)";
    Czech_koruna = "كرونة تشيكية (Kč, CZK)";
    Danish_krone = "كرونة دنماركية (kr., DKK, dkr.)";
    Hungarian_forint = "فورينت هنغاري (Ft, HUF)";
    Polish_złoty = "زلوتي بولندي (zł, PLN)";
    Romanian_leu = "ليو روماني (L, RON)";
    Hong_Kong_dollar = "دولار هونغ كونغ (HK$, HKD)";
    Norwegian_krone = "كرونة نرويجية (NOK, kr)";
    Icelandic_króna = "كرونة أيسلندية (ISK, kr, ikr)";
    Croatian_kuna = "كونا كرواتي (HRK, kn)";
    Indonesian_rupiah = "روبية إندونيسية (IDR, Rp)";
    Israeli_new_shekel = "شيكل إسرائيلي جديد (ILS, ₪)";
    Malaysian_ringgit = "رينغيت ماليزي (MYR, RM)";
    Philippine_peso = "بيزو فلبيني (PHP, ₱)";
    Singapore_dollar = "دولار سنغافوري (SGD, S$, $)";
    Thai_baht = "باخت تايلاندي (THB, ฿)";
    South_African_rand = "راند جنوب أفريقيا (ZAR, R)";
    Unit = "وحدة";
    Currency = "العملة";
    Pick_first_currency = "اختر العملة الأولى";
    Pick_second_currency = "اختر العملة الثانية";
    Length = "الطول";
    Pick_first_length = "اختر وحدة الطول الأولى";
    Pick_second_length = "اختر وحدة الطول الثانية";
    Speed = "السرعة";
    Pick_first_speed = "اختر وحدة السرعة الأولى";
    Pick_second_speed = "اختر وحدة السرعة الثانية";
    Mass = "الكتلة";
    Pick_first_mass_unit = "اختر وحدة الكتلة الأولى";
    Pick_second_mass_unit = "اختر وحدة الكتلة الثانية";
    Area = "المساحة";
    Pick_first_area_unit = "اختر وحدة المساحة الأولى";
    Pick_second_area_unit = "اختر وحدة المساحة الثانية";
    Units_of_information = "وحدات البيانات";
    Pick_first_unit_of_information = "اختر وحدة البيانات الأولى";
    Pick_second_unit_of_information = "اختر وحدة البيانات الثانية";
    Volume = "الحجم";
    Pick_first_volume = "اختر وحدة الحجم الأولى";
    Pick_second_volume = "اختر وحدة الحجم الثانية";
    Pressure = "الضغط";
    Pick_first_pressure_unit = "اختر وحدة الضغط الأولى";
    Pick_second_pressure_unit = "اختر وحدة الضغط الثانية";
    Power = "القدرة";
    Pick_first_power_unit = "اختر وحدة القدرة الأولى";
    Pick_second_power_unit = "اختر وحدة القدرة الثانية";
    Energy = "الطاقة";
    Pick_first_energy_unit = "اختر وحدة الطاقة الأولى";
    Pick_second_energy_unit = "اختر وحدة الطاقة الثانية";
    Time = "الوقت";
    Pick_first_time_unit = "اختر وحدة الوقت الأولى";
    Pick_second_time_unit = "اختر وحدة الوقت الثانية";
    Fuel_consumption = "استهلاك الوقود";
    Pick_first_consumption_unit = "اختر وحدة الاستهلاك الأولى";
    Pick_second_consumption_unit = "اختر وحدة الاستهلاك الثانية";
    US_Miles_per_gallon = "ميل لكل غالون أمريكي";
    Miles_per_liter = "ميل لكل لتر";
    Mile = "ميل (mile, mi)";
    Kilometer = "كيلومتر (km)";
    Meter = "متر (m)";
    Yard = "ياردة (yd)";
    Foot = "قدم (ft)";
    Decimeter = "ديسيمتر (dm)";
    Inch = "بوصة";
    Centimeter = "سنتيمتر (cm)";
    Millimeter = "مليمتر (mm)";
    Micrometer = "ميكرومتر (μm)";
    Nanometer = "نانو متر (nm)";
    Nautical_mile = "ميل بحري (M, NM)";
    Light_second = "ثانية ضوئية";
    Light_minute = "دقيقة ضوئية (lm)";
    Light_hour = "ساعة ضوئية (lh)";
    Light_day = "يوم ضوئي (ld)";
    Light_year = "سنة ضوئية (ly)";
    Parsec = "فرسخ فلكي";
    Miles_per_hour = "ميل في الساعة (mph, mi/h)";
    Kilometer_per_hour = "كيلومتر في الساعة (km/h)";
    Meter_per_second = "متر في الثانية (m/s, mps)";
    Foot_per_second = "قدم في الثانية";
    Knot = "عقدة (kn, kt)";
    Imperial_ton_Long_ton = "طن إمبراطوري / طن طويل (tn. l., ts)";
    Tonne = "طن متري";
    US_Ton_Short_Ton = "طن أمريكي / طن قصير (tn. sh.)";
    Stone = "ستون";
    Kilogram = "كيلوغرام (kg)";
    Pound = "رطل (lb)";
    Ounce = "أونصة (oz.)";
    Gram = "غرام (g)";
    Milligram = "مليغرام (mg)";
    Microgram = "ميكروغرام (μg)";
    Square_mile = "ميل مربع (mi², sqmi)";
    Square_kilometer = "كيلومتر مربع (km²)";
    Square_meter = "متر مربع (m²)";
    Hectare = "هكتار (ha)";
    // Not فدان: the Egyptian feddan is a different area (4200 m²).
    Acre = "أكر (ac)";
    Square_centimeter = "سنتيمتر مربع (cm²)";
    Square_millimeter = "مليمتر مربع (mm²)";
    Square_inch = "بوصة مربعة";
    Square_yard = "ياردة مربعة";
    Square_foot = "قدم مربعة";
    Cubic_meter = "متر مكعب (m³)";
    Imperial_gallon = "غالون إمبراطوري";
    US_liquid_gallon = "غالون أمريكي للسوائل (US.liq.gal.)";
    US_dry_gallon = "غالون أمريكي جاف (US.dry.gal.)";
    Imperial_quart = "ربع غالون إمبراطوري";
    Imperial_pint = "باينت إمبراطوري";
    Liter = "لتر (l)";
    US_liquid_quart = "ربع غالون أمريكي للسوائل (US.liq.qt.)";
    US_liquid_pint = "باينت أمريكي للسوائل (US.liq.pt.)";
    US_Fluid_ounce = "أونصة سائلة أمريكية";
    Imperial_cup = "كوب إمبراطوري";
    Deciliter = "ديسيلتر (dl)";
    Milliliter = "مليلتر (ml)";
    US_Legal_cup = "كوب أمريكي قانوني";
    Cubic_foot = "قدم مكعبة (ft3, cft)";
    Cubic_inch = "بوصة مكعبة (in3, cuin)";
    US_Tablespoon = "ملعقة كبيرة أمريكية";
    US_Teaspoon = "ملعقة صغيرة أمريكية";
    Imperial_tablespoon = "ملعقة كبيرة إمبراطورية";
    Metric_tablespoon = "ملعقة كبيرة مترية";
    Bar = "بار (bar)";
    Standard_atmosphere = "ضغط جوي معياري (atm)";
    Pascal = "باسكال (Pa)";
    Hectopascal = "هكتوباسكال";
    Millibar = "ملي بار";
    Torr = "تور";
    Millimeter_of_mercury = "مليمتر زئبقي";
    Pounds_per_square_inch = "رطل لكل بوصة مربعة (psi, lbf/in2)";
    Megawatt = "ميغا واط (MW)";
    Kilowatt = "كيلوواط (kW)";
    Metric_horsepower = "قوة حصان مترية (hp(M))";
    Watt = "واط (W)";
    Year = "سنة";
    Week = "أسبوع (w)";
    Day = "يوم (d)";
    Hour = "ساعة (h)";
    Minute = "دقيقة (min)";
    Second = "ثانية (s)";
    Millisecond = "ملي ثانية (ms)";
    Microsecond = "ميكروثانية (μs)";
    Nanosecond = "نانو ثانية (ns)";
    Kilocalorie = "كيلو سعرة";
    Kilojoule = "كيلو جول";
    Calorie = "سعرة";
    Joule = "جول";
    Zettabyte = "زيتابايت";
    Exabyte = "إكسابايت";
    Petabyte = "بيتابايت";
    Terabyte = "تيرابايت";
    Gigabyte = "غيغابايت";
    Megabyte = "ميغابايت";
    Kibibyte = "كيبيبايت";
    Kilobyte = "كيلوبايت";
    Byte = "بايت";
    Bit = "بت (bit, b)";
    Temperature = "درجة الحرارة";
    Celsius = "درجة مئوية";
    Fahrenheit = "درجة فهرنهايت";
    // The kelvin is no degree.
    Kelvin = "كلفن";
    Pick_first_temperature = "اختر وحدة درجة الحرارة الأولى";
    Pick_second_temperature = "اختر وحدة درجة الحرارة الثانية";
    // The short form of ملعقة كبيرة, the 15 ml spoon.
    Metric_Tbsp = "ملعقة ك.";
    Unit_of_measurement = "وحدة القياس";
    Conversion_of_units = "تحويل الوحدات";

    // Counts agree as Arabic numerals demand: the singular for 0, 1 and from 11
    // on, the dual for 2, the plural for 3 to 10; أخرى agrees with the noun.
    // The dual says two by itself, so it goes without the numeral.
    NUM_more_currencies = "zero{%i عملة أخرى} one{%i عملة أخرى} two{عملتان أخريان} "
                          "few{%i عملات أخرى} many{%i عملة أخرى} other{%i عملة أخرى}";
    const auto moreUnitsOf = [](const std::string& what) {
        return "zero{%i وحدة " + what + " أخرى} one{%i وحدة " + what + " أخرى} two{وحدتا " + what +
               " أخريان} few{%i وحدات " + what + " أخرى} many{%i وحدة " + what +
               " أخرى} other{%i وحدة " + what + " أخرى}";
    };
    NUM_more_lengths = moreUnitsOf("طول");
    NUM_more_speed_units = moreUnitsOf("سرعة");
    NUM_more_mass_units = moreUnitsOf("كتلة");
    NUM_more_area_units = moreUnitsOf("مساحة");
    NUM_more_units_of_information = moreUnitsOf("بيانات");
    NUM_more_volumes = moreUnitsOf("حجم");
    NUM_more_pressure_units = moreUnitsOf("ضغط");
    NUM_more_power_units = moreUnitsOf("قدرة");
    NUM_more_energy_units = moreUnitsOf("طاقة");
    NUM_more_time_units = moreUnitsOf("وقت");
    NUM_more_temperatures = moreUnitsOf("درجة حرارة");
    NUM_more_consumption_units = moreUnitsOf("استهلاك");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "نسخ";
    E_mail = "بريد إلكتروني";
    Paste = "لصق";
    Key_plus = "زائد";
    Key_plus_hint = "إضافة العدد التالي";
    Key_minus = "ناقص";
    Key_minus_hint = "طرح العدد التالي";
    Key_times = "ضرب";
    Key_times_hint = "الضرب في العدد التالي";
    Key_divide = "قسمة";
    Key_divide_hint = "القسمة على العدد التالي";
    Key_equals = "يساوي";
    Key_equals_hint = "عرض النتيجة";
    Key_clear = "مسح";
    Key_clear_hint = "تصفير الصفين";
    Key_change_sign = "تغيير الإشارة";
    Key_change_sign_hint = "عكس إشارة العدد";
    Key_decimal_separator = "الفاصلة العشرية";
    Key_decimal_separator_hint = "بدء المنازل العشرية";
    Key_switch_units = "تبديل الوحدات";
    Key_switch_units_hint = "تبادل موضعي الوحدتين";
    Key_choose_units = "اختيار الوحدات";
    Key_choose_units_hint = "اختيار الوحدتين";
    Key_calculator = "الآلة الحاسبة";
    Key_calculator_hint = "وضع الآلة الحاسبة";
    Key_converter = "المحوّل";
    Key_converter_hint = "وضع تحويل الوحدات";
    Currency_rates_not_downloaded = "لم تُنزَّل أسعار الصرف بعد. ستصل فور اتصال Ratio بالإنترنت.";

    // The bracket names China already, so the yuan needs no adjective.
    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "يوان (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
