#include "localization/tables/VietnameseStrings.h"

#include <string>

namespace ratio {

// Vietnamese keeps "OK" on buttons, takes the euro's international name, and
// writes the byte units and several imperial and SI names as English does.
const std::vector<std::string_view> VietnameseStrings::sameAsBritish = {
    "OK_Yes",   "Euro",     "Yard",     "Inch",      "Parsec",  "Stone",    "Bar",
    "Pascal",   "Millibar", "Torr",     "Zettabyte", "Exabyte", "Petabyte", "Terabyte",
    "Gigabyte", "Megabyte", "Kibibyte", "Kilobyte",  "Byte",    "Bit",      "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

VietnameseStrings::VietnameseStrings() {
    China = "Trung Quốc";
    Taiwan = "Đài Loan";
    Thousandth_of_an_inch = "Một phần nghìn inch";
    Angstrom = "Ångström (Å)";
    Fathom = "Sải";
    Cancel = "Hủy";
    Pick_first_unit = "Chọn đơn vị thứ nhất";
    Done = "Xong";
    Back = "Quay lại";
    OK_Yes = "OK";
    No = "Không";
    Share = "Chia sẻ";
    Select_Auswählen = "Chọn";
    Not_Now = "Không phải bây giờ";
    Clear = "Xóa";
    Search = "Tìm kiếm";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Đô la Mỹ ($, USD)";
    Japanese_yen = "Yên Nhật (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Bảng Anh (£, GBP)";
    Australian_dollar = "Đô la Australia ($A, AUD, $)";
    Canadian_dollar = "Đô la Canada (Can$, CAD, $)";
    Swiss_franc = "Franc Thụy Sĩ (SFr., CHF, Fr.)";
    Swedish_krona = "Krona Thụy Điển (Skr, kr, SEK)";
    New_Zealand_dollar = "Đô la New Zealand (NZ$, NZD, $)";
    Mexican_peso = "Peso Mexico (Mex$, MXN, $)";
    Russian_ruble = "Rúp Nga (₽, RUB, руб)";
    Turkish_lira = "Lia Thổ Nhĩ Kỳ (₺, TRY, TL)";
    Indian_rupee = "Rupee Ấn Độ (₹, INR)";
    Brazilian_real = "Real Braxin (R$, BRL)";
    South_Korean_won = "Won Hàn Quốc (₩, KRW)";
    Bulgarian_lev = "Lev Bulgaria (лв, BGN)";
    Czech_koruna = "Koruna Cộng hòa Séc (Kč, CZK)";
    Danish_krone = "Krone Đan Mạch (kr., DKK, dkr.)";
    Hungarian_forint = "Forint Hungary (Ft, HUF)";
    Polish_złoty = "Zloty Ba Lan (zł, PLN)";
    Romanian_leu = "Leu Romania (L, RON)";
    Hong_Kong_dollar = "Đô la Hồng Kông (HK$, HKD)";
    Norwegian_krone = "Krone Na Uy (NOK, kr)";
    Icelandic_króna = "Króna Iceland (ISK, kr, ikr)";
    Croatian_kuna = "Kuna Croatia (HRK, kn)";
    Indonesian_rupiah = "Rupiah Indonesia (IDR, Rp)";
    Israeli_new_shekel = "Sheqel Israel mới (ILS, ₪)";
    Malaysian_ringgit = "Ringgit Malaysia (MYR, RM)";
    Philippine_peso = "Peso Philipin (PHP, ₱)";
    Singapore_dollar = "Đô la Singapore (SGD, S$, $)";
    Thai_baht = "Bạt Thái Lan (THB, ฿)";
    South_African_rand = "Rand Nam Phi (ZAR, R)";
    Unit = "Đơn vị";
    Currency = "Tiền tệ";
    Pick_first_currency = "Chọn loại tiền tệ thứ nhất";
    Pick_second_currency = "Chọn loại tiền tệ thứ hai";
    Length = "Độ dài";
    Speed = "Tốc độ";
    Mass = "Khối lượng";
    Area = "Diện tích";
    Units_of_information = "Đơn vị thông tin";
    Volume = "Thể tích";
    Pressure = "Áp suất";
    Power = "Công suất";
    Energy = "Năng lượng";
    Time = "Thời gian";
    Fuel_consumption = "Mức tiêu thụ nhiên liệu";
    Temperature = "Nhiệt độ";
    US_Miles_per_gallon = "[Mỹ]\u00A0Dặm/gallon";
    Miles_per_liter = "Dặm/lít";
    Mile = "Dặm (mile, mi)";
    Kilometer = "Kilômét (km)";
    Meter = "Mét (m)";
    Yard = "Yard (yd)";
    // Vietnamese says feet for one foot as well (and foot khối for the cube).
    Foot = "Feet (ft)";
    Decimeter = "Đềximét (dm)";
    Inch = "Inch";
    Centimeter = "Xentimét (cm)";
    Millimeter = "Milimét (mm)";
    Micrometer = "Micrômét (μm)";
    Nanometer = "Nanomét (nm)";
    Nautical_mile = "Hải lý (M, NM)";
    Light_second = "Giây ánh sáng";
    Light_minute = "Phút ánh sáng (lm)";
    Light_hour = "Giờ ánh sáng (lh)";
    Light_day = "Ngày ánh sáng (ld)";
    Light_year = "Năm ánh sáng (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Dặm/giờ (mph, mi/h)";
    Kilometer_per_hour = "Kilômét/giờ (km/h)";
    Meter_per_second = "Mét/giây (m/s, mps)";
    Foot_per_second = "Feet/giây";
    Knot = "Nút (kn, kt)";
    Imperial_ton_Long_ton = "Tấn Anh / Tấn dài (tn. l., ts)";
    Tonne = "Tấn";
    US_Ton_Short_Ton = "[Mỹ] Tấn / Tấn ngắn (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilôgam (kg)";
    Pound = "Pao (lb)";
    Ounce = "Aoxơ (oz.)";
    Gram = "Gam (g)";
    Milligram = "Miligam (mg)";
    Microgram = "Micrôgam (μg)";
    Square_mile = "Dặm vuông (mi², sqmi)";
    Square_kilometer = "Kilômét vuông (km²)";
    Square_meter = "Mét vuông (m²)";
    Hectare = "Héc-ta (ha)";
    // Plain mẫu is the Vietnamese land measure of 3600 m², not the acre.
    Acre = "Mẫu Anh (ac)";
    Square_centimeter = "Xentimét vuông (cm²)";
    Square_millimeter = "Milimét vuông (mm²)";
    Square_inch = "Inch vuông";
    Square_yard = "Yard vuông";
    Square_foot = "Feet vuông";
    Cubic_meter = "Mét khối (m³)";
    Imperial_gallon = "Gallon Anh";
    US_liquid_gallon = "Gallon Mỹ (US.liq.gal.)";
    US_dry_gallon = "Gallon khô Mỹ (US.dry.gal.)";
    Imperial_quart = "Quart Anh";
    Imperial_pint = "Panh Anh";
    Liter = "Lít (l)";
    US_liquid_quart = "Quart Mỹ (US.liq.qt.)";
    US_liquid_pint = "Panh Mỹ (US.liq.pt.)";
    US_Fluid_ounce = "[Mỹ] Aoxơ chất lỏng";
    Imperial_cup = "Tách Anh";
    Deciliter = "Đềxilít (dl)";
    Milliliter = "Mililít (ml)";
    // The 240 ml cup of US nutrition labels.
    US_Legal_cup = "[Mỹ] Tách tiêu chuẩn";
    Cubic_foot = "Foot khối (ft3, cft)";
    Cubic_inch = "Inch khối (in3, cuin)";
    US_Tablespoon = "[Mỹ] Muỗng canh";
    US_Teaspoon = "[Mỹ] Muỗng cà phê";
    Imperial_tablespoon = "Muỗng canh Anh";
    Metric_tablespoon = "Muỗng canh hệ mét";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Átmốtphe tiêu chuẩn (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Héctô pascal";
    Millibar = "Millibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimét thủy ngân";
    Pounds_per_square_inch = "Pound/inch vuông (psi, lbf/in2)";
    Megawatt = "Megaoát (MW)";
    Kilowatt = "Kilôoát (kW)";
    Metric_horsepower = "Mã lực (hp(M))";
    Watt = "Oát (W)";
    Year = "Năm";
    Week = "Tuần (w)";
    Day = "Ngày (d)";
    Hour = "Giờ (h)";
    Minute = "Phút (min)";
    Second = "Giây (s)";
    Millisecond = "Mili giây (ms)";
    Microsecond = "Micrô giây (μs)";
    Nanosecond = "Nano giây (ns)";
    Kilocalorie = "Kilô calo";
    Kilojoule = "Kilô jun";
    Calorie = "Calo";
    Joule = "Jun";
    Celsius = "Độ C";
    Fahrenheit = "Độ F";
    // The kelvin is no degree, so no độ before it.
    Kelvin = "Kelvin";
    // Recipes write the 15 ml spoon out as muỗng canh.
    Metric_Tbsp = "muỗng canh";
    Unit_of_measurement = "Đơn vị đo lường";
    Conversion_of_units = "Chuyển đổi đơn vị";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Sao chép";
    E_mail = "Email";
    Paste = "Dán";
    Key_plus = "Cộng";
    Key_plus_hint = "Cộng số tiếp theo";
    Key_minus = "Trừ";
    Key_minus_hint = "Trừ số tiếp theo";
    Key_times = "Nhân";
    Key_times_hint = "Nhân với số tiếp theo";
    Key_divide = "Chia";
    Key_divide_hint = "Chia cho số tiếp theo";
    Key_equals = "Bằng";
    Key_equals_hint = "Hiển thị kết quả";
    Key_clear = "Xóa";
    Key_clear_hint = "Đặt cả hai dòng về không";
    Key_change_sign = "Đổi dấu";
    Key_change_sign_hint = "Đổi dấu của số";
    Key_decimal_separator = "Dấu thập phân";
    Key_decimal_separator_hint = "Bắt đầu nhập phần thập phân";
    Key_switch_units = "Hoán đổi đơn vị";
    Key_switch_units_hint = "Hoán đổi hai đơn vị";
    Key_choose_units = "Chọn đơn vị";
    Key_choose_units_hint = "Chọn hai đơn vị";
    Key_calculator = "Máy tính";
    Key_calculator_hint = "Chế độ máy tính";
    Key_converter = "Chuyển đổi";
    Key_converter_hint = "Chế độ chuyển đổi đơn vị";
    Currency_rates_not_downloaded = "Chưa tải tỷ giá. Tỷ giá sẽ có ngay khi Ratio kết nối mạng.";

    // Vietnamese nouns do not inflect for number: one format for every count.
    // Prompts and counts name the kind of unit after "đơn vị".
    NUM_more_currencies = "%i loại tiền tệ khác";
    struct KindTexts {
        std::string LocalizedStrings::*more;
        std::string LocalizedStrings::*first;
        std::string LocalizedStrings::*second;
        const char* kind;
    };
    using S = LocalizedStrings;
    const KindTexts kinds[] = {
        {&S::NUM_more_lengths, &S::Pick_first_length, &S::Pick_second_length, "độ dài"},
        {&S::NUM_more_speed_units, &S::Pick_first_speed, &S::Pick_second_speed, "tốc độ"},
        {&S::NUM_more_mass_units, &S::Pick_first_mass_unit, &S::Pick_second_mass_unit,
         "khối lượng"},
        {&S::NUM_more_area_units, &S::Pick_first_area_unit, &S::Pick_second_area_unit, "diện tích"},
        {&S::NUM_more_units_of_information, &S::Pick_first_unit_of_information,
         &S::Pick_second_unit_of_information, "thông tin"},
        {&S::NUM_more_volumes, &S::Pick_first_volume, &S::Pick_second_volume, "thể tích"},
        {&S::NUM_more_pressure_units, &S::Pick_first_pressure_unit, &S::Pick_second_pressure_unit,
         "áp suất"},
        {&S::NUM_more_power_units, &S::Pick_first_power_unit, &S::Pick_second_power_unit,
         "công suất"},
        {&S::NUM_more_energy_units, &S::Pick_first_energy_unit, &S::Pick_second_energy_unit,
         "năng lượng"},
        {&S::NUM_more_time_units, &S::Pick_first_time_unit, &S::Pick_second_time_unit, "thời gian"},
        {&S::NUM_more_temperatures, &S::Pick_first_temperature, &S::Pick_second_temperature,
         "nhiệt độ"},
        // "tiêu thụ" alone keeps the prompt on one line; the category says fuel.
        {&S::NUM_more_consumption_units, &S::Pick_first_consumption_unit,
         &S::Pick_second_consumption_unit, "tiêu thụ"},
    };
    for (const KindTexts& k : kinds) {
        const std::string unit = std::string("đơn vị ") + k.kind;
        this->*k.more = "%i " + unit + " khác";
        this->*k.first = "Chọn " + unit + " thứ nhất";
        this->*k.second = "Chọn " + unit + " thứ hai";
    }

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Nhân dân tệ (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
