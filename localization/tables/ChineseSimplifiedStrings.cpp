#include "localization/tables/ChineseSimplifiedStrings.h"

#include <string>

namespace ratio {

// The binary prefixes beside it (Mebibyte, Gibibyte, ...) stay English in every
// language, and Chinese has no settled everyday word for the kibibyte.
const std::vector<std::string_view> ChineseSimplifiedStrings::sameAsBritish = {
    "Kibibyte",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names are the mainland's standard ones, with the British
// symbols kept in the brackets. US and imperial measures take the 美制 and
// 英制 prefixes, so no region bracket is needed.
ChineseSimplifiedStrings::ChineseSimplifiedStrings() {
    China = "中国";
    Taiwan = "台湾";
    Thousandth_of_an_inch = "千分之一英寸";
    Angstrom = "埃 (Å)";
    Fathom = "英寻";
    Cancel = "取消";
    Pick_first_unit = "选择第一个单位";
    Done = "完成";
    Back = "返回";
    OK_Yes = "好";
    No = "否";
    Share = "分享";
    Select_Auswählen = "选择";
    Not_Now = "以后再说";
    Clear = "清除";
    Search = "搜索";
    Euro = "欧元 (€, EUR)";
    United_States_dollar = "美元 ($, USD)";
    Japanese_yen = "日元 (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "英镑 (£, GBP)";
    Australian_dollar = "澳大利亚元 ($A, AUD, $)";
    Canadian_dollar = "加拿大元 (Can$, CAD, $)";
    Swiss_franc = "瑞士法郎 (SFr., CHF, Fr.)";
    Swedish_krona = "瑞典克朗 (Skr, kr, SEK)";
    New_Zealand_dollar = "新西兰元 (NZ$, NZD, $)";
    Mexican_peso = "墨西哥比索 (Mex$, MXN, $)";
    Russian_ruble = "俄罗斯卢布 (₽, RUB, руб)";
    Turkish_lira = "土耳其里拉 (₺, TRY, TL)";
    Indian_rupee = "印度卢比 (₹, INR)";
    Brazilian_real = "巴西雷亚尔 (R$, BRL)";
    South_Korean_won = "韩元 (₩, KRW)";
    Bulgarian_lev = "保加利亚列弗 (лв, BGN)";
    Czech_koruna = "捷克克朗 (Kč, CZK)";
    Danish_krone = "丹麦克朗 (kr., DKK, dkr.)";
    Hungarian_forint = "匈牙利福林 (Ft, HUF)";
    Polish_złoty = "波兰兹罗提 (zł, PLN)";
    Romanian_leu = "罗马尼亚列伊 (L, RON)";
    Hong_Kong_dollar = "港元 (HK$, HKD)";
    Norwegian_krone = "挪威克朗 (NOK, kr)";
    Icelandic_króna = "冰岛克朗 (ISK, kr, ikr)";
    Croatian_kuna = "克罗地亚库纳 (HRK, kn)";
    Indonesian_rupiah = "印度尼西亚盾 (IDR, Rp)";
    Israeli_new_shekel = "以色列新谢克尔 (ILS, ₪)";
    Malaysian_ringgit = "马来西亚林吉特 (MYR, RM)";
    Philippine_peso = "菲律宾比索 (PHP, ₱)";
    Singapore_dollar = "新加坡元 (SGD, S$, $)";
    Thai_baht = "泰铢 (THB, ฿)";
    South_African_rand = "南非兰特 (ZAR, R)";
    Unit = "单位";
    Currency = "货币";
    NUM_more_currencies = "其他 %i 种货币";
    Pick_first_currency = "选择第一种货币";
    Pick_second_currency = "选择第二种货币";
    Length = "长度";
    Speed = "速度";
    Mass = "质量";
    Area = "面积";
    Units_of_information = "数据存储";
    Volume = "体积";
    Pressure = "压力";
    Power = "功率";
    Energy = "能量";
    Time = "时间";
    Fuel_consumption = "油耗";
    Temperature = "温度";
    US_Miles_per_gallon = "英里/加仑 (美制)";
    Miles_per_liter = "英里/升";
    Mile = "英里 (mile, mi)";
    Kilometer = "公里 (km)";
    Meter = "米 (m)";
    Yard = "码 (yd)";
    Foot = "英尺 (ft)";
    Decimeter = "分米 (dm)";
    Inch = "英寸";
    Centimeter = "厘米 (cm)";
    Millimeter = "毫米 (mm)";
    Micrometer = "微米 (μm)";
    Nanometer = "纳米 (nm)";
    Nautical_mile = "海里 (M, NM)";
    Light_second = "光秒";
    Light_minute = "光分 (lm)";
    Light_hour = "光时 (lh)";
    Light_day = "光日 (ld)";
    Light_year = "光年 (ly)";
    Parsec = "秒差距";
    Miles_per_hour = "英里/小时 (mph, mi/h)";
    Kilometer_per_hour = "公里/小时 (km/h)";
    Meter_per_second = "米/秒 (m/s, mps)";
    Foot_per_second = "英尺/秒";
    Knot = "节 (kn, kt)";
    Imperial_ton_Long_ton = "英吨 / 长吨 (tn. l., ts)";
    Tonne = "公吨";
    US_Ton_Short_Ton = "美吨 / 短吨 (tn. sh.)";
    Stone = "英石";
    Kilogram = "千克 (kg)";
    Pound = "磅 (lb)";
    Ounce = "盎司 (oz.)";
    Gram = "克 (g)";
    Milligram = "毫克 (mg)";
    Microgram = "微克 (μg)";
    Square_mile = "平方英里 (mi², sqmi)";
    Square_kilometer = "平方公里 (km²)";
    Square_meter = "平方米 (m²)";
    Hectare = "公顷 (ha)";
    Acre = "英亩 (ac)";
    Square_centimeter = "平方厘米 (cm²)";
    Square_millimeter = "平方毫米 (mm²)";
    Square_inch = "平方英寸";
    Square_yard = "平方码";
    Square_foot = "平方英尺";
    Cubic_meter = "立方米 (m³)";
    Imperial_gallon = "英制加仑";
    US_liquid_gallon = "美制液量加仑 (US.liq.gal.)";
    US_dry_gallon = "美制干量加仑 (US.dry.gal.)";
    Imperial_quart = "英制夸脱";
    Imperial_pint = "英制品脱";
    Liter = "升 (l)";
    US_liquid_quart = "美制液量夸脱 (US.liq.qt.)";
    US_liquid_pint = "美制液量品脱 (US.liq.pt.)";
    US_Fluid_ounce = "美制液盎司";
    Imperial_cup = "英制杯";
    Deciliter = "分升 (dl)";
    Milliliter = "毫升 (ml)";
    US_Legal_cup = "美制法定杯";
    Cubic_foot = "立方英尺 (ft3, cft)";
    Cubic_inch = "立方英寸 (in3, cuin)";
    US_Tablespoon = "美制汤匙";
    US_Teaspoon = "美制茶匙";
    Imperial_tablespoon = "英制汤匙";
    // The bracket says the size and keeps the short name from repeating.
    Metric_tablespoon = "公制汤匙 (15 ml)";
    Metric_Tbsp = "汤匙";
    Bar = "巴 (bar)";
    Standard_atmosphere = "标准大气压 (atm)";
    Pascal = "帕斯卡 (Pa)";
    Hectopascal = "百帕斯卡";
    Millibar = "毫巴";
    Torr = "托";
    Millimeter_of_mercury = "毫米汞柱";
    Pounds_per_square_inch = "磅/平方英寸 (psi, lbf/in2)";
    Megawatt = "兆瓦 (MW)";
    Kilowatt = "千瓦 (kW)";
    Metric_horsepower = "公制马力 (hp(M))";
    Watt = "瓦特 (W)";
    Year = "年";
    Week = "周 (w)";
    Day = "天 (d)";
    Hour = "小时 (h)";
    Minute = "分钟 (min)";
    Second = "秒 (s)";
    Millisecond = "毫秒 (ms)";
    Microsecond = "微秒 (μs)";
    Nanosecond = "纳秒 (ns)";
    Kilocalorie = "千卡";
    Kilojoule = "千焦";
    Calorie = "卡路里";
    Joule = "焦耳";
    Zettabyte = "泽字节";
    Exabyte = "艾字节";
    Petabyte = "拍字节";
    Terabyte = "太字节";
    Gigabyte = "吉字节";
    Megabyte = "兆字节";
    Kilobyte = "千字节";
    Byte = "字节";
    Bit = "比特 (bit, b)";
    Celsius = "摄氏度";
    Fahrenheit = "华氏度";
    Kelvin = "开尔文";
    Unit_of_measurement = "计量单位";
    Conversion_of_units = "单位换算";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "复制";
    E_mail = "电子邮件";
    Paste = "粘贴";
    Key_plus = "加";
    Key_plus_hint = "加上下一个数";
    Key_minus = "减";
    Key_minus_hint = "减去下一个数";
    Key_times = "乘";
    Key_times_hint = "乘以下一个数";
    Key_divide = "除";
    Key_divide_hint = "除以下一个数";
    Key_equals = "等于";
    Key_equals_hint = "显示结果";
    Key_clear = "清除";
    Key_clear_hint = "将两行都设为零";
    Key_change_sign = "切换正负号";
    Key_change_sign_hint = "取该数的相反数";
    Key_decimal_separator = "小数点";
    Key_decimal_separator_hint = "开始输入小数部分";
    Key_switch_units = "交换单位";
    Key_switch_units_hint = "互换两个单位";
    Key_choose_units = "选择单位";
    Key_choose_units_hint = "选取两个单位";
    Key_calculator = "计算器";
    Key_calculator_hint = "计算器模式";
    Key_converter = "单位换算";
    Key_converter_hint = "单位换算模式";
    Currency_rates_not_downloaded = "尚未下载汇率。Ratio 联网后即会获取。";

    // Every category but currency counts and picks its "…单位".
    const auto more = [](const std::string& category) { return "其他 %i 种" + category + "单位"; };
    const auto first = [](const std::string& category) { return "选择第一个" + category + "单位"; };
    const auto second = [](const std::string& category) {
        return "选择第二个" + category + "单位";
    };
    composeCategoryTexts(more, first, second);

    // The market units by their own names; the pinyin in the bracket matches
    // the British name and keeps the short name from being repeated.
    using S = LocalizedStrings;
    composeRegionalNames({
        {&S::China_Renminbi, "人民币 (元, CNY, RMB¥, CNH)"},
        {&S::lǐ_length, "市里 (lǐ)"},
        {&S::yǐn_length, "市引 (yǐn)"},
        {&S::zhàng_length, "市丈 (zhàng)"},
        {&S::chǐ_length, "市尺 (chǐ)"},
        {&S::cùn_length, "市寸 (cùn)"},
        {&S::fēn_length, "市分 (fēn)"},
        {&S::lí_length, "市厘 (lí)"},
        {&S::háo_length, "市毫 (háo)"},
        {&S::qǐng_area, "市顷 (qǐng)"},
        {&S::mǔ_area, "市亩 (mǔ)"},
        {&S::fēn_area, "市分 (fēn)"},
        {&S::lí_area, "市厘 (lí)"},
        {&S::háo_area, "市毫 (háo)"},
        {&S::Taiwan_Bó͘, "亩 / Bó\u0358 / Méu / Mǔ"},
    });
}

} // namespace ratio
