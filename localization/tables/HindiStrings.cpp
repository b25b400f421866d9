#include "localization/tables/HindiStrings.h"

#include <string>

namespace ratio {

// Hindi writes every text in Devanagari, so nothing stays British.
const std::vector<std::string_view> HindiStrings::sameAsBritish = {
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit names are the ones Hindi converters show, most of them loanwords in
// Devanagari, with the international symbols kept in the brackets. Buttons and
// prompts take the polite imperative (चुनें, रद्द करें) Hindi apps use. US and
// imperial measures carry अमेरिकी and इम्पीरियल instead of a region bracket.
HindiStrings::HindiStrings() {
    China = "चीन";
    Taiwan = "ताइवान";
    Thousandth_of_an_inch = "इंच का हज़ारवाँ भाग";
    Angstrom = "एंगस्ट्रॉम (Å)";
    Fathom = "फ़ैदम";
    Cancel = "रद्द करें";
    Pick_first_unit = "पहली इकाई चुनें";
    Done = "हो गया";
    Back = "वापस";
    OK_Yes = "ठीक है";
    No = "नहीं";
    Share = "शेयर करें";
    Select_Auswählen = "चुनें";
    Not_Now = "अभी नहीं";
    Clear = "साफ़ करें";
    Search = "खोजें";
    Euro = "यूरो (€, EUR)";
    United_States_dollar = "यूएस डॉलर ($, USD)";
    Japanese_yen = "जापानी येन (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "ब्रिटिश पाउंड स्टर्लिंग (£, GBP)";
    Australian_dollar = "ऑस्ट्रेलियाई डॉलर ($A, AUD, $)";
    Canadian_dollar = "कनाडाई डॉलर (Can$, CAD, $)";
    Swiss_franc = "स्विस फ़्रैंक (SFr., CHF, Fr.)";
    Swedish_krona = "स्वीडिश क्रोना (Skr, kr, SEK)";
    New_Zealand_dollar = "न्यूज़ीलैंड डॉलर (NZ$, NZD, $)";
    Mexican_peso = "मैक्सिकन पेसो (Mex$, MXN, $)";
    Russian_ruble = "रूसी रूबल (₽, RUB, руб)";
    Turkish_lira = "तुर्की लीरा (₺, TRY, TL)";
    Indian_rupee = "भारतीय रुपया (₹, INR)";
    Brazilian_real = "ब्राज़ीली रियाल (R$, BRL)";
    South_Korean_won = "दक्षिण कोरियाई वॉन (₩, KRW)";
    Bulgarian_lev = "बुल्गारियाई लेव (лв, BGN)";
    Czech_koruna = "चेक गणराज्य कोरुना (Kč, CZK)";
    Danish_krone = "डैनिश क्रोन (kr., DKK, dkr.)";
    Hungarian_forint = "हंगेरियन फ़ोरिंट (Ft, HUF)";
    Polish_złoty = "पोलिश ज़्लॉटी (zł, PLN)";
    Romanian_leu = "रोमानियाई ल्यू (L, RON)";
    Hong_Kong_dollar = "हाँगकाँग डॉलर (HK$, HKD)";
    Norwegian_krone = "नॉर्वेजियन क्रोन (NOK, kr)";
    Icelandic_króna = "आइसलैंडिक क्रोना (ISK, kr, ikr)";
    Croatian_kuna = "क्रोएशियाई कुना (HRK, kn)";
    Indonesian_rupiah = "इंडोनेशियाई रुपिया (IDR, Rp)";
    Israeli_new_shekel = "इज़राइली न्यू शेकेल (ILS, ₪)";
    Malaysian_ringgit = "मलेशियाई रिंगित (MYR, RM)";
    Philippine_peso = "फ़िलिपीनी पेसो (PHP, ₱)";
    Singapore_dollar = "सिंगापुर डॉलर (SGD, S$, $)";
    Thai_baht = "थाई बहत (THB, ฿)";
    South_African_rand = "दक्षिण अफ़्रीकी रैंड (ZAR, R)";
    Unit = "इकाई";
    Currency = "मुद्रा";
    Pick_first_currency = "पहली मुद्रा चुनें";
    Pick_second_currency = "दूसरी मुद्रा चुनें";
    Length = "लंबाई";
    Pick_first_length = "लंबाई की पहली इकाई चुनें";
    Pick_second_length = "लंबाई की दूसरी इकाई चुनें";
    Speed = "गति";
    Pick_first_speed = "गति की पहली इकाई चुनें";
    Pick_second_speed = "गति की दूसरी इकाई चुनें";
    Mass = "द्रव्यमान";
    Pick_first_mass_unit = "द्रव्यमान की पहली इकाई चुनें";
    Pick_second_mass_unit = "द्रव्यमान की दूसरी इकाई चुनें";
    Area = "क्षेत्रफल";
    Pick_first_area_unit = "क्षेत्रफल की पहली इकाई चुनें";
    Pick_second_area_unit = "क्षेत्रफल की दूसरी इकाई चुनें";
    Units_of_information = "डेटा की इकाइयाँ";
    Pick_first_unit_of_information = "डेटा की पहली इकाई चुनें";
    Pick_second_unit_of_information = "डेटा की दूसरी इकाई चुनें";
    Volume = "आयतन";
    Pick_first_volume = "आयतन की पहली इकाई चुनें";
    Pick_second_volume = "आयतन की दूसरी इकाई चुनें";
    Pressure = "दबाव";
    Pick_first_pressure_unit = "दबाव की पहली इकाई चुनें";
    Pick_second_pressure_unit = "दबाव की दूसरी इकाई चुनें";
    Power = "शक्ति";
    Pick_first_power_unit = "शक्ति की पहली इकाई चुनें";
    Pick_second_power_unit = "शक्ति की दूसरी इकाई चुनें";
    Energy = "ऊर्जा";
    Pick_first_energy_unit = "ऊर्जा की पहली इकाई चुनें";
    Pick_second_energy_unit = "ऊर्जा की दूसरी इकाई चुनें";
    Time = "समय";
    Pick_first_time_unit = "समय की पहली इकाई चुनें";
    Pick_second_time_unit = "समय की दूसरी इकाई चुनें";
    Fuel_consumption = "ईंधन की खपत";
    Pick_first_consumption_unit = "खपत की पहली इकाई चुनें";
    Pick_second_consumption_unit = "खपत की दूसरी इकाई चुनें";
    US_Miles_per_gallon = "मील प्रति अमेरिकी गैलन";
    Miles_per_liter = "मील प्रति लीटर";
    Mile = "मील (mile, mi)";
    Kilometer = "किलोमीटर (km)";
    Meter = "मीटर (m)";
    Yard = "यार्ड (yd)";
    Foot = "फ़ुट (ft)";
    Decimeter = "डेसीमीटर (dm)";
    Inch = "इंच";
    Centimeter = "सेंटीमीटर (cm)";
    Millimeter = "मिलीमीटर (mm)";
    Micrometer = "माइक्रोमीटर (μm)";
    Nanometer = "नैनोमीटर (nm)";
    Nautical_mile = "नॉटिकल मील (M, NM)";
    Light_second = "प्रकाश सेकंड";
    Light_minute = "प्रकाश मिनट (lm)";
    Light_hour = "प्रकाश घंटा (lh)";
    Light_day = "प्रकाश दिन (ld)";
    Light_year = "प्रकाश वर्ष (ly)";
    Parsec = "पार्सेक";
    Miles_per_hour = "मील प्रति घंटा (mph, mi/h)";
    Kilometer_per_hour = "किलोमीटर प्रति घंटा (km/h)";
    Meter_per_second = "मीटर प्रति सेकंड (m/s, mps)";
    Foot_per_second = "फ़ुट प्रति सेकंड";
    Knot = "नॉट (kn, kt)";
    Imperial_ton_Long_ton = "इम्पीरियल टन / लॉन्ग टन (tn. l., ts)";
    Tonne = "मीट्रिक टन";
    US_Ton_Short_Ton = "अमेरिकी टन / शॉर्ट टन (tn. sh.)";
    // The loanword, as Indian users meet the British stone.
    Stone = "स्टोन";
    Kilogram = "किलोग्राम (kg)";
    Pound = "पौंड (lb)";
    Ounce = "औंस (oz.)";
    Gram = "ग्राम (g)";
    Milligram = "मिलीग्राम (mg)";
    Microgram = "माइक्रोग्राम (μg)";
    Square_mile = "वर्ग मील (mi², sqmi)";
    Square_kilometer = "वर्ग किलोमीटर (km²)";
    Square_meter = "वर्ग मीटर (m²)";
    Hectare = "हेक्टेयर (ha)";
    Acre = "एकड़ (ac)";
    Square_centimeter = "वर्ग सेंटीमीटर (cm²)";
    Square_millimeter = "वर्ग मिलीमीटर (mm²)";
    Square_inch = "वर्ग इंच";
    Square_yard = "वर्ग गज";
    Square_foot = "वर्ग फ़ुट";
    Cubic_meter = "घन मीटर (m³)";
    Imperial_gallon = "इम्पीरियल गैलन";
    US_liquid_gallon = "अमेरिकी तरल गैलन (US.liq.gal.)";
    US_dry_gallon = "अमेरिकी शुष्क गैलन (US.dry.gal.)";
    Imperial_quart = "इम्पीरियल क्वार्ट";
    Imperial_pint = "इम्पीरियल पाइंट";
    Liter = "लीटर (l)";
    US_liquid_quart = "अमेरिकी तरल क्वार्ट (US.liq.qt.)";
    US_liquid_pint = "अमेरिकी तरल पाइंट (US.liq.pt.)";
    US_Fluid_ounce = "अमेरिकी फ़्लूइड आउंस";
    Imperial_cup = "इम्पीरियल कप";
    Deciliter = "डेसीलीटर (dl)";
    Milliliter = "मिलीलीटर (ml)";
    US_Legal_cup = "अमेरिकी लीगल कप";
    Cubic_foot = "घन फ़ीट (ft3, cft)";
    Cubic_inch = "घन इंच (in3, cuin)";
    US_Tablespoon = "अमेरिकी टेबलस्पून";
    US_Teaspoon = "अमेरिकी टी स्पून";
    Imperial_tablespoon = "इम्पीरियल टेबलस्पून";
    Metric_tablespoon = "मीट्रिक टेबलस्पून";
    Bar = "बार (bar)";
    Standard_atmosphere = "मानक वायुमंडलीय दबाव (atm)";
    Pascal = "पास्कल (Pa)";
    Hectopascal = "हेक्टोपास्कल";
    Millibar = "मिलीबार";
    Torr = "टॉर";
    Millimeter_of_mercury = "मर्क्यूरी मिलीमीटर";
    Pounds_per_square_inch = "पाउंड प्रति वर्ग इंच (psi, lbf/in2)";
    Megawatt = "मेगावॉट (MW)";
    Kilowatt = "किलोवॉट (kW)";
    Metric_horsepower = "मीट्रिक अश्वशक्ति (hp(M))";
    Watt = "वॉट (W)";
    Year = "वर्ष";
    Week = "सप्ताह (w)";
    Day = "दिन (d)";
    Hour = "घंटा (h)";
    Minute = "मिनट (min)";
    Second = "सेकंड (s)";
    Millisecond = "मिलीसेकंड (ms)";
    Microsecond = "माइक्रोसेकंड (μs)";
    Nanosecond = "नैनो सेकंड (ns)";
    Kilocalorie = "किलो कैलोरी";
    Kilojoule = "किलो जूल";
    Calorie = "कैलोरी";
    Joule = "जूल";
    Zettabyte = "ज़ेटाबाइट";
    Exabyte = "एक्साबाइट";
    Petabyte = "पेटाबाइट";
    Terabyte = "टेराबाइट";
    Gigabyte = "गीगाबाइट";
    Megabyte = "मेगाबाइट";
    Kibibyte = "किबिबाइट";
    Kilobyte = "किलोबाइट";
    Byte = "बाइट";
    Bit = "बिट (bit, b)";
    Temperature = "तापमान";
    Celsius = "डिग्री सेल्सियस";
    Fahrenheit = "डिग्री फ़ेरनहाइट";
    Kelvin = "केल्विन";
    Pick_first_temperature = "तापमान की पहली इकाई चुनें";
    Pick_second_temperature = "तापमान की दूसरी इकाई चुनें";
    // Recipes call the 15 ml spoon बड़ा चम्मच.
    Metric_Tbsp = "बड़ा चम्मच";
    Unit_of_measurement = "माप की इकाई";
    Conversion_of_units = "इकाइयों का रूपांतरण";

    // Hindi reads 0 and 1 in the singular, every other count in the plural.
    NUM_more_currencies = "one{%i और मुद्रा} other{%i और मुद्राएँ}";
    const auto moreUnitsOf = [](const std::string& what) {
        return "one{" + what + " की %i और इकाई} other{" + what + " की %i और इकाइयाँ}";
    };
    NUM_more_lengths = moreUnitsOf("लंबाई");
    NUM_more_speed_units = moreUnitsOf("गति");
    NUM_more_mass_units = moreUnitsOf("द्रव्यमान");
    NUM_more_area_units = moreUnitsOf("क्षेत्रफल");
    NUM_more_units_of_information = moreUnitsOf("डेटा");
    NUM_more_volumes = moreUnitsOf("आयतन");
    NUM_more_pressure_units = moreUnitsOf("दबाव");
    NUM_more_power_units = moreUnitsOf("शक्ति");
    NUM_more_energy_units = moreUnitsOf("ऊर्जा");
    NUM_more_time_units = moreUnitsOf("समय");
    NUM_more_temperatures = moreUnitsOf("तापमान");
    NUM_more_consumption_units = moreUnitsOf("खपत");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "कॉपी करें";
    E_mail = "ईमेल";
    Paste = "पेस्ट करें";
    Key_plus = "जोड़";
    Key_plus_hint = "अगली संख्या जोड़ें";
    Key_minus = "घटाव";
    Key_minus_hint = "अगली संख्या घटाएँ";
    Key_times = "गुणा";
    Key_times_hint = "अगली संख्या से गुणा करें";
    Key_divide = "भाग";
    Key_divide_hint = "अगली संख्या से भाग दें";
    Key_equals = "बराबर";
    Key_equals_hint = "परिणाम दिखाएँ";
    Key_clear = "साफ़ करें";
    Key_clear_hint = "दोनों पंक्तियों को शून्य करें";
    Key_change_sign = "चिह्न बदलें";
    Key_change_sign_hint = "संख्या का चिह्न उलटें";
    Key_decimal_separator = "दशमलव विभाजक";
    Key_decimal_separator_hint = "दशमलव स्थान शुरू करें";
    Key_switch_units = "इकाइयों की अदला-बदली";
    Key_switch_units_hint = "दोनों इकाइयों का स्थान आपस में बदलें";
    Key_choose_units = "इकाइयाँ चुनें";
    Key_choose_units_hint = "दोनों इकाइयाँ चुनें";
    Key_calculator = "कैलकुलेटर";
    Key_calculator_hint = "कैलकुलेटर मोड";
    Key_converter = "कन्वर्टर";
    Key_converter_hint = "कन्वर्टर मोड";
    Currency_rates_not_downloaded =
        "मुद्रा दरें अभी डाउनलोड नहीं हुई हैं। Ratio के ऑनलाइन होते ही वे आ जाएँगी।";

    // The bracket names China already, so the yuan needs no adjective.
    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "युआन (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
