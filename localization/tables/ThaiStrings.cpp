#include "localization/tables/ThaiStrings.h"

#include <string>

namespace ratio {

// Thai writes every text in its own script, so nothing reads as British English.
const std::vector<std::string_view> ThaiStrings::sameAsBritish = {
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names are the ones Thai converters show, after CLDR's,
// with the international symbols kept in the brackets. Thai has no plural, so
// each count text is one format, the count before the noun
// ("อีก 5 สกุลเงิน", five more currencies). The US measures carry the
// bracket [สหรัฐฯ], the word the names themselves use.
ThaiStrings::ThaiStrings() {
    China = "จีน";
    Taiwan = "ไต้หวัน";
    Thousandth_of_an_inch = "หนึ่งในพันนิ้ว";
    Angstrom = "อังสตรอม (Å)";
    Fathom = "ฟาทอม";
    Cancel = "ยกเลิก";
    Pick_first_unit = "เลือกหน่วยแรก";
    Done = "เสร็จสิ้น";
    Back = "กลับ";
    OK_Yes = "ตกลง";
    No = "ไม่";
    Share = "แชร์";
    Select_Auswählen = "เลือก";
    Not_Now = "ไม่ใช่ตอนนี้";
    Clear = "ล้าง";
    Search = "ค้นหา";
    Euro = "ยูโร (€, EUR)";
    United_States_dollar = "ดอลลาร์สหรัฐ ($, USD)";
    Japanese_yen = "เยนญี่ปุ่น (¥, JPY, 円)";
    UK_Pound_sterling = "[สหราชอาณาจักร]\u00A0ปอนด์สเตอร์ลิง (£, GBP)";
    Australian_dollar = "ดอลลาร์ออสเตรเลีย ($A, AUD, $)";
    Canadian_dollar = "ดอลลาร์แคนาดา (Can$, CAD, $)";
    Swiss_franc = "ฟรังก์สวิส (SFr., CHF, Fr.)";
    Swedish_krona = "โครนาสวีเดน (Skr, kr, SEK)";
    New_Zealand_dollar = "ดอลลาร์นิวซีแลนด์ (NZ$, NZD, $)";
    Mexican_peso = "เปโซเม็กซิโก (Mex$, MXN, $)";
    Russian_ruble = "รูเบิลรัสเซีย (₽, RUB, руб)";
    Turkish_lira = "ลีราตุรกี (₺, TRY, TL)";
    Indian_rupee = "รูปีอินเดีย (₹, INR)";
    Brazilian_real = "เรียลบราซิล (R$, BRL)";
    South_Korean_won = "วอนเกาหลีใต้ (₩, KRW)";
    Bulgarian_lev = "เลฟบัลแกเรีย (лв, BGN)";
    Czech_koruna = "โครูนาสาธารณรัฐเช็ก (Kč, CZK)";
    Danish_krone = "โครนเดนมาร์ก (kr., DKK, dkr.)";
    Hungarian_forint = "ฟอรินต์ฮังการี (Ft, HUF)";
    Polish_złoty = "ซลอตีโปแลนด์ (zł, PLN)";
    Romanian_leu = "ลิวโรมาเนีย (L, RON)";
    Hong_Kong_dollar = "ดอลลาร์ฮ่องกง (HK$, HKD)";
    Norwegian_krone = "โครนนอร์เวย์ (NOK, kr)";
    Icelandic_króna = "โครนาไอซ์แลนด์ (ISK, kr, ikr)";
    Croatian_kuna = "คูนาโครเอเชีย (HRK, kn)";
    Indonesian_rupiah = "รูเปียห์อินโดนีเซีย (IDR, Rp)";
    Israeli_new_shekel = "นิวเชเกลอิสราเอล (ILS, ₪)";
    Malaysian_ringgit = "ริงกิตมาเลเซีย (MYR, RM)";
    Philippine_peso = "เปโซฟิลิปปินส์ (PHP, ₱)";
    Singapore_dollar = "ดอลลาร์สิงคโปร์ (SGD, S$, $)";
    Thai_baht = "บาท (THB, ฿)";
    South_African_rand = "แรนด์แอฟริกาใต้ (ZAR, R)";
    Unit = "หน่วย";
    Currency = "สกุลเงิน";
    Pick_first_currency = "เลือกสกุลเงินแรก";
    Pick_second_currency = "เลือกสกุลเงินที่สอง";
    Length = "ความยาว";
    Pick_first_length = "เลือกหน่วยความยาวแรก";
    Pick_second_length = "เลือกหน่วยความยาวที่สอง";
    Speed = "ความเร็ว";
    Pick_first_speed = "เลือกหน่วยความเร็วแรก";
    Pick_second_speed = "เลือกหน่วยความเร็วที่สอง";
    Mass = "มวล";
    Pick_first_mass_unit = "เลือกหน่วยมวลแรก";
    Pick_second_mass_unit = "เลือกหน่วยมวลที่สอง";
    Area = "พื้นที่";
    Pick_first_area_unit = "เลือกหน่วยพื้นที่แรก";
    Pick_second_area_unit = "เลือกหน่วยพื้นที่ที่สอง";
    Units_of_information = "หน่วยข้อมูล";
    Pick_first_unit_of_information = "เลือกหน่วยข้อมูลแรก";
    Pick_second_unit_of_information = "เลือกหน่วยข้อมูลที่สอง";
    Volume = "ปริมาตร";
    Pick_first_volume = "เลือกหน่วยปริมาตรแรก";
    Pick_second_volume = "เลือกหน่วยปริมาตรที่สอง";
    Pressure = "ความดัน";
    Pick_first_pressure_unit = "เลือกหน่วยความดันแรก";
    Pick_second_pressure_unit = "เลือกหน่วยความดันที่สอง";
    Power = "กำลัง";
    Pick_first_power_unit = "เลือกหน่วยกำลังแรก";
    Pick_second_power_unit = "เลือกหน่วยกำลังที่สอง";
    Energy = "พลังงาน";
    Pick_first_energy_unit = "เลือกหน่วยพลังงานแรก";
    Pick_second_energy_unit = "เลือกหน่วยพลังงานที่สอง";
    Time = "เวลา";
    Pick_first_time_unit = "เลือกหน่วยเวลาแรก";
    Pick_second_time_unit = "เลือกหน่วยเวลาที่สอง";
    Fuel_consumption = "อัตราสิ้นเปลืองเชื้อเพลิง";
    Pick_first_consumption_unit = "เลือกหน่วยอัตราสิ้นเปลืองแรก";
    Pick_second_consumption_unit = "เลือกหน่วยอัตราสิ้นเปลืองที่สอง";
    US_Miles_per_gallon = "[สหรัฐฯ]\u00A0ไมล์ต่อแกลลอน";
    Miles_per_liter = "ไมล์ต่อลิตร";
    Mile = "ไมล์ (mile, mi)";
    Kilometer = "กิโลเมตร (km)";
    Meter = "เมตร (m)";
    Yard = "หลา (yd)";
    Foot = "ฟุต (ft)";
    Decimeter = "เดซิเมตร (dm)";
    Inch = "นิ้ว";
    Centimeter = "เซนติเมตร (cm)";
    Millimeter = "มิลลิเมตร (mm)";
    Micrometer = "ไมโครเมตร (μm)";
    Nanometer = "นาโนเมตร (nm)";
    Nautical_mile = "ไมล์ทะเล (M, NM)";
    Light_second = "วินาทีแสง";
    Light_minute = "นาทีแสง (lm)";
    Light_hour = "ชั่วโมงแสง (lh)";
    Light_day = "วันแสง (ld)";
    Light_year = "ปีแสง (ly)";
    Parsec = "พาร์เซก";
    Miles_per_hour = "ไมล์ต่อชั่วโมง (mph, mi/h)";
    Kilometer_per_hour = "กิโลเมตรต่อชั่วโมง (km/h)";
    Meter_per_second = "เมตรต่อวินาที (m/s, mps)";
    Foot_per_second = "ฟุตต่อวินาที";
    Knot = "นอต (kn, kt)";
    Imperial_ton_Long_ton = "ตันอังกฤษ / ลองตัน (tn. l., ts)";
    // A plain ตัน is the metric ton to Thai readers; the name says so anyway.
    Tonne = "เมตริกตัน";
    US_Ton_Short_Ton = "ตันสหรัฐ / ชอร์ตตัน (tn. sh.)";
    Stone = "สโตน";
    Kilogram = "กิโลกรัม (kg)";
    Pound = "ปอนด์ (lb)";
    Ounce = "ออนซ์ (oz.)";
    Gram = "กรัม (g)";
    Milligram = "มิลลิกรัม (mg)";
    Microgram = "ไมโครกรัม (μg)";
    Square_mile = "ตารางไมล์ (mi², sqmi)";
    Square_kilometer = "ตารางกิโลเมตร (km²)";
    Square_meter = "ตารางเมตร (m²)";
    Hectare = "เฮกตาร์ (ha)";
    Acre = "เอเคอร์ (ac)";
    Square_centimeter = "ตารางเซนติเมตร (cm²)";
    Square_millimeter = "ตารางมิลลิเมตร (mm²)";
    Square_inch = "ตารางนิ้ว";
    Square_yard = "ตารางหลา";
    Square_foot = "ตารางฟุต";
    Cubic_meter = "ลูกบาศก์เมตร (m³)";
    Imperial_gallon = "แกลลอนอังกฤษ";
    US_liquid_gallon = "แกลลอนของเหลวสหรัฐ (US.liq.gal.)";
    US_dry_gallon = "แกลลอนแห้งสหรัฐ (US.dry.gal.)";
    Imperial_quart = "ควอร์ตอังกฤษ";
    Imperial_pint = "ไพนต์อังกฤษ";
    Liter = "ลิตร (l)";
    US_liquid_quart = "ควอร์ตของเหลวสหรัฐ (US.liq.qt.)";
    US_liquid_pint = "ไพนต์ของเหลวสหรัฐ (US.liq.pt.)";
    US_Fluid_ounce = "[สหรัฐฯ] ฟลูอิดออนซ์";
    Imperial_cup = "ถ้วยอังกฤษ";
    Deciliter = "เดซิลิตร (dl)";
    Milliliter = "มิลลิลิตร (ml)";
    US_Legal_cup = "[สหรัฐฯ] ถ้วยตามกฎหมาย";
    Cubic_foot = "ลูกบาศก์ฟุต (ft3, cft)";
    Cubic_inch = "ลูกบาศก์นิ้ว (in3, cuin)";
    US_Tablespoon = "[สหรัฐฯ] ช้อนโต๊ะ";
    US_Teaspoon = "[สหรัฐฯ] ช้อนชา";
    Imperial_tablespoon = "ช้อนโต๊ะอังกฤษ";
    Metric_tablespoon = "ช้อนโต๊ะเมตริก";
    Bar = "บาร์ (bar)";
    Standard_atmosphere = "บรรยากาศมาตรฐาน (atm)";
    Pascal = "ปาสกาล (Pa)";
    Hectopascal = "เฮกโตปาสกาล";
    Millibar = "มิลลิบาร์";
    Torr = "ทอร์";
    Millimeter_of_mercury = "มิลลิเมตรปรอท";
    Pounds_per_square_inch = "ปอนด์ต่อตารางนิ้ว (psi, lbf/in2)";
    Megawatt = "เมกะวัตต์ (MW)";
    Kilowatt = "กิโลวัตต์ (kW)";
    Metric_horsepower = "แรงม้าเมตริก (hp(M))";
    Watt = "วัตต์ (W)";
    Year = "ปี";
    Week = "สัปดาห์ (w)";
    Day = "วัน (d)";
    Hour = "ชั่วโมง (h)";
    Minute = "นาที (min)";
    Second = "วินาที (s)";
    Millisecond = "มิลลิวินาที (ms)";
    Microsecond = "ไมโครวินาที (μs)";
    Nanosecond = "นาโนวินาที (ns)";
    Kilocalorie = "กิโลแคลอรี";
    Kilojoule = "กิโลจูล";
    Calorie = "แคลอรี";
    Joule = "จูล";
    Zettabyte = "เซตตะไบต์";
    Exabyte = "เอกซะไบต์";
    Petabyte = "เพตะไบต์";
    Terabyte = "เทราไบต์";
    Gigabyte = "กิกะไบต์";
    Megabyte = "เมกะไบต์";
    Kibibyte = "กิบิไบต์";
    Kilobyte = "กิโลไบต์";
    Byte = "ไบต์";
    Bit = "บิต (bit, b)";
    Temperature = "อุณหภูมิ";
    Celsius = "องศาเซลเซียส";
    Fahrenheit = "องศาฟาเรนไฮต์";
    Kelvin = "เคลวิน";
    Pick_first_temperature = "เลือกหน่วยอุณหภูมิแรก";
    Pick_second_temperature = "เลือกหน่วยอุณหภูมิที่สอง";
    // Thai recipes shorten ช้อนโต๊ะ, the 15 ml spoon, to ช.ต.
    Metric_Tbsp = "ช.ต.";
    Unit_of_measurement = "หน่วยวัด";
    Conversion_of_units = "การแปลงหน่วย";

    NUM_more_currencies = "อีก %i สกุลเงิน";
    const auto moreUnitsOf = [](const std::string& quantity) { return "อีก %i หน่วย" + quantity; };
    NUM_more_lengths = moreUnitsOf("ความยาว");
    NUM_more_speed_units = moreUnitsOf("ความเร็ว");
    NUM_more_mass_units = moreUnitsOf("มวล");
    NUM_more_area_units = moreUnitsOf("พื้นที่");
    NUM_more_units_of_information = moreUnitsOf("ข้อมูล");
    NUM_more_volumes = moreUnitsOf("ปริมาตร");
    NUM_more_pressure_units = moreUnitsOf("ความดัน");
    NUM_more_power_units = moreUnitsOf("กำลัง");
    NUM_more_energy_units = moreUnitsOf("พลังงาน");
    NUM_more_time_units = moreUnitsOf("เวลา");
    NUM_more_temperatures = moreUnitsOf("อุณหภูมิ");
    NUM_more_consumption_units = moreUnitsOf("อัตราสิ้นเปลือง");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "คัดลอก";
    E_mail = "อีเมล";
    Paste = "วาง";
    Key_plus = "บวก";
    Key_plus_hint = "บวกด้วยตัวเลขถัดไป";
    Key_minus = "ลบ";
    Key_minus_hint = "ลบด้วยตัวเลขถัดไป";
    Key_times = "คูณ";
    Key_times_hint = "คูณด้วยตัวเลขถัดไป";
    Key_divide = "หาร";
    Key_divide_hint = "หารด้วยตัวเลขถัดไป";
    Key_equals = "เท่ากับ";
    Key_equals_hint = "แสดงผลลัพธ์";
    Key_clear = "ล้าง";
    Key_clear_hint = "ตั้งค่าทั้งสองแถวเป็นศูนย์";
    Key_change_sign = "เปลี่ยนเครื่องหมาย";
    Key_change_sign_hint = "กลับเครื่องหมายของตัวเลข";
    Key_decimal_separator = "จุดทศนิยม";
    Key_decimal_separator_hint = "เริ่มตำแหน่งทศนิยม";
    Key_switch_units = "สลับหน่วย";
    Key_switch_units_hint = "สลับหน่วยทั้งสอง";
    Key_choose_units = "เลือกหน่วย";
    Key_choose_units_hint = "เลือกหน่วยทั้งสอง";
    Key_calculator = "เครื่องคิดเลข";
    Key_calculator_hint = "โหมดเครื่องคิดเลข";
    Key_converter = "ตัวแปลงหน่วย";
    Key_converter_hint = "โหมดแปลงหน่วย";
    Currency_rates_not_downloaded = "ยังไม่ได้ดาวน์โหลดอัตราแลกเปลี่ยน จะได้รับทันทีที่ Ratio ออนไลน์";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "หยวน (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
