#include "localization/tables/KoreanStrings.h"

#include <string>

namespace ratio {

// Korean writes every text in Hangul, so none reads as British English.
const std::vector<std::string_view> KoreanStrings::sameAsBritish = {
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names in the Hangul spelling Korean converters show, with
// the British symbols kept in the brackets. US and imperial measures take the
// 미국 and 영국 prefixes, so no region bracket is needed.
KoreanStrings::KoreanStrings() {
    China = "중국";
    Taiwan = "대만";
    Thousandth_of_an_inch = "1000분의 1인치";
    Angstrom = "옹스트롬 (Å)";
    Fathom = "패덤";
    Cancel = "취소";
    Pick_first_unit = "첫 번째 단위 선택";
    Done = "완료";
    Back = "뒤로";
    OK_Yes = "확인";
    No = "아니요";
    Share = "공유";
    Select_Auswählen = "선택";
    Not_Now = "나중에";
    Clear = "지우기";
    Search = "검색";
    Euro = "유로 (€, EUR)";
    United_States_dollar = "미국 달러 ($, USD)";
    Japanese_yen = "일본 엔화 (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "영국 파운드 (£, GBP)";
    Australian_dollar = "호주 달러 ($A, AUD, $)";
    Canadian_dollar = "캐나다 달러 (Can$, CAD, $)";
    Swiss_franc = "스위스 프랑 (SFr., CHF, Fr.)";
    Swedish_krona = "스웨덴 크로나 (Skr, kr, SEK)";
    New_Zealand_dollar = "뉴질랜드 달러 (NZ$, NZD, $)";
    Mexican_peso = "멕시코 페소 (Mex$, MXN, $)";
    Russian_ruble = "러시아 루블 (₽, RUB, руб)";
    // The lira has not been called "new" since 2009.
    Turkish_lira = "터키 리라 (₺, TRY, TL)";
    Indian_rupee = "인도 루피 (₹, INR)";
    Brazilian_real = "브라질 레알 (R$, BRL)";
    South_Korean_won = "대한민국 원 (₩, KRW)";
    Bulgarian_lev = "불가리아 레프 (лв, BGN)";
    Czech_koruna = "체코 코루나 (Kč, CZK)";
    Danish_krone = "덴마크 크로네 (kr., DKK, dkr.)";
    Hungarian_forint = "헝가리 포린트 (Ft, HUF)";
    Polish_złoty = "폴란드 즐로티 (zł, PLN)";
    Romanian_leu = "루마니아 레우 (L, RON)";
    Hong_Kong_dollar = "홍콩 달러 (HK$, HKD)";
    Norwegian_krone = "노르웨이 크로네 (NOK, kr)";
    Icelandic_króna = "아이슬란드 크로나 (ISK, kr, ikr)";
    Croatian_kuna = "크로아티아 쿠나 (HRK, kn)";
    Indonesian_rupiah = "인도네시아 루피아 (IDR, Rp)";
    Israeli_new_shekel = "이스라엘 신권 세켈 (ILS, ₪)";
    Malaysian_ringgit = "말레이시아 링깃 (MYR, RM)";
    Philippine_peso = "필리핀 페소 (PHP, ₱)";
    // 싱가포르 is the standard spelling of the country.
    Singapore_dollar = "싱가포르 달러 (SGD, S$, $)";
    Thai_baht = "태국 바트 (THB, ฿)";
    South_African_rand = "남아프리카 랜드 (ZAR, R)";
    Unit = "단위";
    Currency = "통화";
    NUM_more_currencies = "기타 통화 %i개";
    Pick_first_currency = "첫 번째 통화 선택";
    Pick_second_currency = "두 번째 통화 선택";
    Length = "길이";
    Speed = "속도";
    Mass = "무게";
    Area = "넓이";
    Units_of_information = "데이터양";
    Volume = "부피";
    Pressure = "압력";
    Power = "일률";
    Energy = "에너지";
    Time = "시간";
    Fuel_consumption = "연비";
    Temperature = "온도";
    US_Miles_per_gallon = "갤런당 마일 (미국)";
    Miles_per_liter = "리터당 마일";
    Mile = "마일 (mile, mi)";
    Kilometer = "킬로미터 (km)";
    Meter = "미터 (m)";
    Yard = "야드 (yd)";
    Foot = "피트 (ft)";
    Decimeter = "데시미터 (dm)";
    Inch = "인치";
    Centimeter = "센티미터 (cm)";
    Millimeter = "밀리미터 (mm)";
    Micrometer = "마이크로미터 (μm)";
    Nanometer = "나노미터 (nm)";
    Nautical_mile = "해리 (M, NM)";
    Light_second = "광초";
    Light_minute = "광분 (lm)";
    Light_hour = "광시 (lh)";
    Light_day = "광일 (ld)";
    Light_year = "광년 (ly)";
    Parsec = "파섹";
    Miles_per_hour = "시간당 마일 (mph, mi/h)";
    Kilometer_per_hour = "시간당 킬로미터 (km/h)";
    Meter_per_second = "초당 미터 (m/s, mps)";
    Foot_per_second = "초당 피트";
    Knot = "노트 (kn, kt)";
    Imperial_ton_Long_ton = "영국 톤 / 롱톤 (tn. l., ts)";
    Tonne = "메트릭 톤";
    US_Ton_Short_Ton = "미국 톤 / 숏톤 (tn. sh.)";
    Stone = "스톤";
    Kilogram = "킬로그램 (kg)";
    Pound = "파운드 (lb)";
    Ounce = "온스 (oz.)";
    Gram = "그램 (g)";
    Milligram = "밀리그램 (mg)";
    Microgram = "마이크로그램 (μg)";
    Square_mile = "제곱마일 (mi², sqmi)";
    Square_kilometer = "제곱킬로미터 (km²)";
    Square_meter = "제곱미터 (m²)";
    Hectare = "헥타르 (ha)";
    Acre = "에이커 (ac)";
    Square_centimeter = "제곱센티미터 (cm²)";
    Square_millimeter = "제곱밀리미터 (mm²)";
    Square_inch = "제곱인치";
    Square_yard = "제곱야드";
    Square_foot = "제곱피트";
    Cubic_meter = "세제곱미터 (m³)";
    Imperial_gallon = "영국 갤런";
    US_liquid_gallon = "미국 액량 갤런 (US.liq.gal.)";
    US_dry_gallon = "미국 건량 갤런 (US.dry.gal.)";
    Imperial_quart = "영국 쿼트";
    Imperial_pint = "영국 파인트";
    Liter = "리터 (l)";
    US_liquid_quart = "미국 액량 쿼트 (US.liq.qt.)";
    US_liquid_pint = "미국 액량 파인트 (US.liq.pt.)";
    US_Fluid_ounce = "미국 액량 온스";
    Imperial_cup = "영국 컵";
    Deciliter = "데시리터 (dl)";
    Milliliter = "밀리리터 (ml)";
    US_Legal_cup = "미국 법정 컵";
    Cubic_foot = "세제곱피트 (ft3, cft)";
    Cubic_inch = "세제곱인치 (in3, cuin)";
    US_Tablespoon = "미국 테이블스푼";
    US_Teaspoon = "미국 티스푼";
    Imperial_tablespoon = "영국 테이블스푼";
    // Korean recipes write the 15 ml spoon as 큰술; the bracket says its size
    // and keeps the short name from repeating.
    Metric_tablespoon = "미터식 테이블스푼 (15 ml)";
    Metric_Tbsp = "큰술";
    Bar = "바 (bar)";
    Standard_atmosphere = "표준 대기압 (atm)";
    Pascal = "파스칼 (Pa)";
    Hectopascal = "헥토파스칼";
    Millibar = "밀리바";
    Torr = "토르";
    Millimeter_of_mercury = "수은주밀리미터";
    Pounds_per_square_inch = "제곱인치당 파운드 (psi, lbf/in2)";
    Megawatt = "메가와트 (MW)";
    Kilowatt = "킬로와트 (kW)";
    Metric_horsepower = "미터법 마력 (hp(M))";
    Watt = "와트 (W)";
    Year = "년";
    Week = "주 (w)";
    Day = "일 (d)";
    Hour = "시간 (h)";
    Minute = "분 (min)";
    Second = "초 (s)";
    Millisecond = "밀리초 (ms)";
    Microsecond = "마이크로초 (μs)";
    Nanosecond = "나노초 (ns)";
    Kilocalorie = "킬로칼로리";
    Kilojoule = "킬로줄";
    Calorie = "칼로리";
    Joule = "줄";
    Zettabyte = "제타바이트";
    Exabyte = "엑사바이트";
    Petabyte = "페타바이트";
    Terabyte = "테라바이트";
    Gigabyte = "기가바이트";
    Megabyte = "메가바이트";
    Kibibyte = "키비바이트";
    Kilobyte = "킬로바이트";
    Byte = "바이트";
    Bit = "비트 (bit, b)";
    Celsius = "섭씨";
    Fahrenheit = "화씨";
    Kelvin = "켈빈";
    Unit_of_measurement = "측정 단위";
    Conversion_of_units = "단위 변환";

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "복사";
    E_mail = "이메일";
    Paste = "붙여넣기";
    Key_plus = "더하기";
    Key_plus_hint = "다음 수를 더합니다";
    Key_minus = "빼기";
    Key_minus_hint = "다음 수를 뺍니다";
    Key_times = "곱하기";
    Key_times_hint = "다음 수를 곱합니다";
    Key_divide = "나누기";
    Key_divide_hint = "다음 수로 나눕니다";
    Key_equals = "같음";
    Key_equals_hint = "결과를 표시합니다";
    Key_clear = "지우기";
    Key_clear_hint = "두 행을 모두 0으로 설정합니다";
    Key_change_sign = "부호 변경";
    Key_change_sign_hint = "수의 부호를 바꿉니다";
    Key_decimal_separator = "소수점";
    Key_decimal_separator_hint = "소수 자릿수 입력을 시작합니다";
    Key_switch_units = "단위 바꾸기";
    Key_switch_units_hint = "두 단위를 서로 바꿉니다";
    Key_choose_units = "단위 선택";
    Key_choose_units_hint = "두 단위를 선택합니다";
    Key_calculator = "계산기";
    Key_calculator_hint = "계산기 모드";
    Key_converter = "변환기";
    Key_converter_hint = "단위 변환 모드";
    Currency_rates_not_downloaded =
        "환율을 아직 받지 못했습니다. Ratio가 온라인이 되면 받아 옵니다.";

    // Every category but currency counts and picks its "… 단위".
    const auto more = [](const std::string& category) { return "기타 " + category + " 단위 %i개"; };
    const auto first = [](const std::string& category) {
        return "첫 번째 " + category + " 단위 선택";
    };
    const auto second = [](const std::string& category) {
        return "두 번째 " + category + " 단위 선택";
    };
    composeCategoryTexts(more, first, second);

    // The Chinese and Taiwanese units by their Korean readings; the catalogue
    // adds the Chinese character of the short name in brackets, as in
    // [중국] 척 (市尺) and [대만] 평 / 坪 (Pêⁿ).
    using S = LocalizedStrings;
    composeRegionalNames({
        {&S::China_Renminbi, "위안화 (元, CNY, RMB¥, CNH)"},
        {&S::lǐ_length, "리"},
        {&S::yǐn_length, "인"},
        {&S::zhàng_length, "장"},
        {&S::chǐ_length, "척"},
        {&S::cùn_length, "촌"},
        {&S::fēn_length, "분"},
        {&S::lí_length, "리"},
        {&S::háo_length, "호"},
        {&S::qǐng_area, "경"},
        {&S::mǔ_area, "무"},
        {&S::fēn_area, "분"},
        {&S::lí_area, "리"},
        {&S::háo_area, "호"},
        {&S::Taiwan_Lê, "려 / 犁"},
        {&S::Taiwan_Kah, "갑 / 甲"},
        {&S::Taiwan_Hun, "분 / 分"},
        {&S::Taiwan_Bó͘, "무 / 畝"},
        {&S::Taiwan_Pêⁿ, "평 / 坪"},
    });
}

} // namespace ratio
