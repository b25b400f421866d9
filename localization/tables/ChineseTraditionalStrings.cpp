#include "localization/tables/ChineseTraditionalStrings.h"

#include <string>

namespace ratio {

// The binary prefixes beside it (Mebibyte, Gibibyte, ...) stay English in every
// language, and Chinese has no settled everyday word for the kibibyte.
const std::vector<std::string_view> ChineseTraditionalStrings::sameAsBritish = {
    "Kibibyte",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names are the ones Taiwan uses (公尺, 公分, 公升, 奈米),
// with the British symbols kept in the brackets. US and imperial measures take
// the 美制 and 英制 prefixes, so no region bracket is needed.
ChineseTraditionalStrings::ChineseTraditionalStrings() {
    China = "中國";
    Taiwan = "台灣";
    Thousandth_of_an_inch = "千分之一英寸";
    Angstrom = "埃 (Å)";
    Fathom = "英尋";
    Cancel = "取消";
    Pick_first_unit = "選擇第一個單位";
    Done = "完成";
    Back = "返回";
    OK_Yes = "好";
    No = "否";
    Share = "分享";
    Select_Auswählen = "選擇";
    Not_Now = "以後再說";
    Clear = "清除";
    Search = "搜尋";
    Euro = "歐元 (€, EUR)";
    United_States_dollar = "美元 ($, USD)";
    Japanese_yen = "日圓 (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "英鎊 (£, GBP)";
    Australian_dollar = "澳幣 ($A, AUD, $)";
    Canadian_dollar = "加幣 (Can$, CAD, $)";
    Swiss_franc = "瑞士法郎 (SFr., CHF, Fr.)";
    Swedish_krona = "瑞典克朗 (Skr, kr, SEK)";
    New_Zealand_dollar = "紐西蘭幣 (NZ$, NZD, $)";
    Mexican_peso = "墨西哥披索 (Mex$, MXN, $)";
    Russian_ruble = "俄羅斯盧布 (₽, RUB, руб)";
    // The lira has not been called "new" since 2009.
    Turkish_lira = "土耳其里拉 (₺, TRY, TL)";
    Indian_rupee = "印度盧比 (₹, INR)";
    Brazilian_real = "巴西里拉 (R$, BRL)";
    South_Korean_won = "韓元 (₩, KRW)";
    Bulgarian_lev = "保加利亞新列弗 (лв, BGN)";
    Czech_koruna = "捷克克朗 (Kč, CZK)";
    Danish_krone = "丹麥克朗 (kr., DKK, dkr.)";
    Hungarian_forint = "匈牙利福林 (Ft, HUF)";
    Polish_złoty = "波蘭茲羅提 (zł, PLN)";
    Romanian_leu = "羅馬尼亞列伊 (L, RON)";
    Hong_Kong_dollar = "港幣 (HK$, HKD)";
    Norwegian_krone = "挪威克朗 (NOK, kr)";
    Icelandic_króna = "冰島克朗 (ISK, kr, ikr)";
    Croatian_kuna = "克羅埃西亞庫納 (HRK, kn)";
    Indonesian_rupiah = "印尼盾 (IDR, Rp)";
    Israeli_new_shekel = "以色列新謝克爾 (ILS, ₪)";
    Malaysian_ringgit = "馬來西亞令吉 (MYR, RM)";
    Philippine_peso = "菲律賓披索 (PHP, ₱)";
    Singapore_dollar = "新加坡幣 (SGD, S$, $)";
    Thai_baht = "泰銖 (THB, ฿)";
    South_African_rand = "南非蘭特 (ZAR, R)";
    Unit = "單位";
    Currency = "貨幣";
    NUM_more_currencies = "其他 %i 種貨幣";
    Pick_first_currency = "選擇第一種貨幣";
    Pick_second_currency = "選擇第二種貨幣";
    Length = "長度";
    Speed = "速度";
    Mass = "質量";
    Area = "面積";
    Units_of_information = "資料儲存";
    Volume = "體積";
    Pressure = "壓力";
    Power = "功率";
    Energy = "能量";
    Time = "時間";
    Fuel_consumption = "油耗";
    Temperature = "溫度";
    US_Miles_per_gallon = "每加侖英里 (美制)";
    Miles_per_liter = "每公升英里";
    Mile = "英里 (mile, mi)";
    Kilometer = "公里 (km)";
    Meter = "公尺 (m)";
    Yard = "碼 (yd)";
    Foot = "英尺 (ft)";
    Decimeter = "公寸 (dm)";
    Inch = "英寸";
    Centimeter = "公分 (cm)";
    Millimeter = "公釐 (mm)";
    Micrometer = "微米 (μm)";
    Nanometer = "奈米 (nm)";
    Nautical_mile = "海里 (M, NM)";
    Light_second = "光秒";
    Light_minute = "光分 (lm)";
    Light_hour = "光時 (lh)";
    Light_day = "光日 (ld)";
    Light_year = "光年 (ly)";
    Parsec = "秒差距";
    Miles_per_hour = "每小時英里 (mph, mi/h)";
    Kilometer_per_hour = "每小時公里 (km/h)";
    Meter_per_second = "每秒公尺 (m/s, mps)";
    Foot_per_second = "每秒英尺";
    Knot = "節 (kn, kt)";
    Imperial_ton_Long_ton = "英噸 / 長噸 (tn. l., ts)";
    Tonne = "公噸";
    US_Ton_Short_Ton = "美噸 / 短噸 (tn. sh.)";
    Stone = "英石";
    Kilogram = "公斤 (kg)";
    Pound = "磅 (lb)";
    Ounce = "盎司 (oz.)";
    Gram = "克 (g)";
    Milligram = "毫克 (mg)";
    Microgram = "微克 (μg)";
    Square_mile = "平方英里 (mi², sqmi)";
    Square_kilometer = "平方公里 (km²)";
    Square_meter = "平方公尺 (m²)";
    Hectare = "公頃 (ha)";
    Acre = "英畝 (ac)";
    Square_centimeter = "平方公分 (cm²)";
    Square_millimeter = "平方公釐 (mm²)";
    Square_inch = "平方英寸";
    Square_yard = "平方碼";
    Square_foot = "平方英尺";
    Cubic_meter = "立方公尺 (m³)";
    Imperial_gallon = "英制加侖";
    US_liquid_gallon = "美制液量加侖 (US.liq.gal.)";
    US_dry_gallon = "美制乾量加侖 (US.dry.gal.)";
    Imperial_quart = "英制夸脫";
    Imperial_pint = "英制品脫";
    Liter = "公升 (l)";
    US_liquid_quart = "美制液量夸脫 (US.liq.qt.)";
    US_liquid_pint = "美制液量品脫 (US.liq.pt.)";
    US_Fluid_ounce = "美制液盎司";
    Imperial_cup = "英制量杯";
    Deciliter = "公合 (dl)";
    Milliliter = "毫升 (ml)";
    US_Legal_cup = "美制法定量杯";
    Cubic_foot = "立方英尺 (ft3, cft)";
    Cubic_inch = "立方英寸 (in3, cuin)";
    US_Tablespoon = "美制湯匙";
    US_Teaspoon = "美制茶匙";
    Imperial_tablespoon = "英制湯匙";
    // The bracket says the size and keeps the short name from repeating.
    Metric_tablespoon = "公制湯匙 (15 ml)";
    Metric_Tbsp = "湯匙";
    Bar = "巴 (bar)";
    Standard_atmosphere = "標準大氣壓 (atm)";
    Pascal = "帕斯卡 (Pa)";
    Hectopascal = "百帕";
    Millibar = "毫巴";
    Torr = "托";
    Millimeter_of_mercury = "毫米汞柱";
    Pounds_per_square_inch = "每平方英寸磅力 (psi, lbf/in2)";
    Megawatt = "百萬瓦特 (MW)";
    Kilowatt = "千瓦特 (kW)";
    Metric_horsepower = "公制馬力 (hp(M))";
    Watt = "瓦特 (W)";
    Year = "年";
    Week = "週 (w)";
    Day = "天 (d)";
    Hour = "小時 (h)";
    Minute = "分鐘 (min)";
    Second = "秒 (s)";
    Millisecond = "毫秒 (ms)";
    Microsecond = "微秒 (μs)";
    Nanosecond = "奈秒 (ns)";
    Kilocalorie = "千卡路里";
    Kilojoule = "千焦耳";
    Calorie = "卡路里";
    Joule = "焦耳";
    // Taiwan counts large numbers in 萬, 億 and 兆 (10¹²), hence 十億 for giga.
    Zettabyte = "十億兆位元組";
    Exabyte = "百萬兆位元組";
    Petabyte = "千兆位元組";
    Terabyte = "兆位元組";
    Gigabyte = "十億位元組";
    Megabyte = "百萬位元組";
    Kilobyte = "千位元組";
    Byte = "位元組";
    Bit = "位元 (bit, b)";
    Celsius = "攝氏";
    Fahrenheit = "華氏";
    Kelvin = "克耳文";
    Unit_of_measurement = "計量單位";
    Conversion_of_units = "單位換算";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "複製";
    E_mail = "電子郵件";
    Paste = "貼上";
    Key_plus = "加";
    Key_plus_hint = "加上下一個數";
    Key_minus = "減";
    Key_minus_hint = "減去下一個數";
    Key_times = "乘";
    Key_times_hint = "乘以下一個數";
    Key_divide = "除";
    Key_divide_hint = "除以下一個數";
    Key_equals = "等於";
    Key_equals_hint = "顯示結果";
    Key_clear = "清除";
    // Taiwan reads 列 as a row and 行 as a column, the mainland the other way round.
    Key_clear_hint = "將兩列都設為零";
    Key_change_sign = "切換正負號";
    Key_change_sign_hint = "取此數的相反數";
    Key_decimal_separator = "小數點";
    Key_decimal_separator_hint = "開始輸入小數部分";
    Key_switch_units = "交換單位";
    Key_switch_units_hint = "互換兩個單位";
    Key_choose_units = "選擇單位";
    Key_choose_units_hint = "選取兩個單位";
    Key_calculator = "計算機";
    Key_calculator_hint = "計算機模式";
    Key_converter = "單位換算";
    Key_converter_hint = "單位換算模式";
    Currency_rates_not_downloaded = "尚未下載匯率。Ratio 連上網路後即會取得。";

    // Every category but currency counts and picks its "…單位".
    const auto more = [](const std::string& category) { return "其他 %i 種" + category + "單位"; };
    const auto first = [](const std::string& category) { return "選擇第一個" + category + "單位"; };
    const auto second = [](const std::string& category) {
        return "選擇第二個" + category + "單位";
    };
    composeCategoryTexts(more, first, second);

    // The market units by their own names in traditional characters; the
    // pinyin in the bracket matches the British name and keeps the short name
    // from being repeated. The Taiwanese names are already in this script.
    using S = LocalizedStrings;
    composeRegionalNames({
        {&S::China_Renminbi, "人民幣 (元, CNY, RMB¥, CNH)"},
        {&S::lǐ_length, "市里 (lǐ)"},
        {&S::yǐn_length, "市引 (yǐn)"},
        {&S::zhàng_length, "市丈 (zhàng)"},
        {&S::chǐ_length, "市尺 (chǐ)"},
        {&S::cùn_length, "市寸 (cùn)"},
        {&S::fēn_length, "市分 (fēn)"},
        {&S::lí_length, "市釐 (lí)"},
        {&S::háo_length, "市毫 (háo)"},
        {&S::qǐng_area, "市頃 (qǐng)"},
        {&S::mǔ_area, "市畝 (mǔ)"},
        {&S::fēn_area, "市分 (fēn)"},
        {&S::lí_area, "市釐 (lí)"},
        {&S::háo_area, "市毫 (háo)"},
    });
}

} // namespace ratio
