#include "localization/tables/UkrainianStrings.h"

#include <string>

namespace ratio {

// Ukrainian apps keep the Latin "OK" on their buttons.
const std::vector<std::string_view> UkrainianStrings::sameAsBritish = {
    "OK_Yes",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

UkrainianStrings::UkrainianStrings() {
    China = "Китай";
    Taiwan = "Тайвань";
    Thousandth_of_an_inch = "Тисячна частка дюйма";
    Angstrom = "Ангстрем (Å)";
    Fathom = "Фатом";
    Cancel = "Скасувати";
    Pick_first_unit = "Виберіть першу одиницю";
    Done = "Готово";
    Back = "Назад";
    OK_Yes = "OK";
    No = "Ні";
    Share = "Поширити";
    Select_Auswählen = "Вибрати";
    Not_Now = "Не зараз";
    Clear = "Очистити";
    Search = "Пошук";
    Euro = "Євро (€, EUR)";
    United_States_dollar = "Долар США ($, USD)";
    Japanese_yen = "Японська єна (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Англійський фунт (£, GBP)";
    Australian_dollar = "Австралійський долар ($A, AUD, $)";
    Canadian_dollar = "Канадський долар (Can$, CAD, $)";
    Swiss_franc = "Швейцарський франк (SFr., CHF, Fr.)";
    Swedish_krona = "Шведська крона (Skr, kr, SEK)";
    New_Zealand_dollar = "Новозеландський долар (NZ$, NZD, $)";
    Mexican_peso = "Мексиканський песо (Mex$, MXN, $)";
    Russian_ruble = "Російський рубль (₽, RUB, руб)";
    Turkish_lira = "Турецька ліра (₺, TRY, TL)";
    Indian_rupee = "Індійська рупія (₹, INR)";
    Brazilian_real = "Бразильський реал (R$, BRL)";
    South_Korean_won = "Південнокорейський вон (₩, KRW)";
    Bulgarian_lev = "Болгарський лев (лв, BGN)";
    Czech_koruna = "Чеська крона (Kč, CZK)";
    Danish_krone = "Данська крона (kr., DKK, dkr.)";
    Hungarian_forint = "Угорський форинт (Ft, HUF)";
    Polish_złoty = "Польський злотий (zł, PLN)";
    Romanian_leu = "Румунський лей (L, RON)";
    Hong_Kong_dollar = "Гонконгський долар (HK$, HKD)";
    Norwegian_krone = "Норвезька крона (NOK, kr)";
    Icelandic_króna = "Ісландська крона (ISK, kr, ikr)";
    Croatian_kuna = "Хорватська куна (HRK, kn)";
    Indonesian_rupiah = "Індонезійська рупія (IDR, Rp)";
    Israeli_new_shekel = "Ізраїльський новий шекель (ILS, ₪)";
    Malaysian_ringgit = "Малайзійський рингіт (MYR, RM)";
    Philippine_peso = "Філіппінський песо (PHP, ₱)";
    Singapore_dollar = "Сінгапурський долар (SGD, S$, $)";
    Thai_baht = "Таїландський бат (THB, ฿)";
    South_African_rand = "Південноафриканський ранд (ZAR, R)";
    Unit = "Одиниця";
    Currency = "Валюта";
    Pick_first_currency = "Виберіть першу валюту";
    Pick_second_currency = "Виберіть другу валюту";
    Length = "Довжина";
    Pick_first_length = "Виберіть першу одиницю довжини";
    Pick_second_length = "Виберіть другу одиницю довжини";
    Speed = "Швидкість";
    Pick_first_speed = "Виберіть першу одиницю швидкості";
    Pick_second_speed = "Виберіть другу одиницю швидкості";
    Mass = "Маса";
    Pick_first_mass_unit = "Виберіть першу одиницю маси";
    Pick_second_mass_unit = "Виберіть другу одиницю маси";
    Area = "Площа";
    Pick_first_area_unit = "Виберіть першу одиницю площі";
    Pick_second_area_unit = "Виберіть другу одиницю площі";
    Units_of_information = "Одиниці інформації";
    Pick_first_unit_of_information = "Виберіть першу одиницю інформації";
    Pick_second_unit_of_information = "Виберіть другу одиницю інформації";
    Volume = "Об’єм";
    Pick_first_volume = "Виберіть першу одиницю об’єму";
    Pick_second_volume = "Виберіть другу одиницю об’єму";
    Pressure = "Тиск";
    Pick_first_pressure_unit = "Виберіть першу одиницю тиску";
    Pick_second_pressure_unit = "Виберіть другу одиницю тиску";
    Power = "Потужність";
    Pick_first_power_unit = "Виберіть першу одиницю потужності";
    Pick_second_power_unit = "Виберіть другу одиницю потужності";
    Energy = "Енергія";
    Pick_first_energy_unit = "Виберіть першу одиницю енергії";
    Pick_second_energy_unit = "Виберіть другу одиницю енергії";
    Time = "Час";
    Pick_first_time_unit = "Виберіть першу одиницю часу";
    Pick_second_time_unit = "Виберіть другу одиницю часу";
    Fuel_consumption = "Витрата пального";
    Pick_first_consumption_unit = "Виберіть першу одиницю витрати";
    Pick_second_consumption_unit = "Виберіть другу одиницю витрати";
    US_Miles_per_gallon = "[США]\u00A0Милі на галон";
    Miles_per_liter = "Милі на літр";
    Mile = "Миля (mile, mi)";
    Kilometer = "Кілометр (km)";
    Meter = "Метр (m)";
    Yard = "Ярд (yd)";
    Foot = "Фут (ft)";
    Decimeter = "Дециметр (dm)";
    Inch = "Дюйм";
    Centimeter = "Сантиметр (cm)";
    Millimeter = "Міліметр (mm)";
    Micrometer = "Мікрометр (μm)";
    Nanometer = "Нанометр (nm)";
    Nautical_mile = "Морська миля (M, NM)";
    Light_second = "Світлова секунда";
    Light_minute = "Світлова хвилина (lm)";
    Light_hour = "Світлова година (lh)";
    Light_day = "Світловий день (ld)";
    Light_year = "Світловий рік (ly)";
    Parsec = "Парсек";
    Miles_per_hour = "Миля на годину (mph, mi/h)";
    Kilometer_per_hour = "Кілометр на годину (km/h)";
    Meter_per_second = "Метр на секунду (m/s, mps)";
    Foot_per_second = "Фут на секунду";
    Knot = "Вузол (kn, kt)";
    Imperial_ton_Long_ton = "Англійська тонна / Довга тонна (tn. l., ts)";
    Tonne = "Метрична тонна";
    US_Ton_Short_Ton = "[США] Тонна / Коротка тонна (tn. sh.)";
    Stone = "Стоун";
    Kilogram = "Кілограм (kg)";
    Pound = "Фунт (lb)";
    Ounce = "Унція (oz.)";
    Gram = "Грам (g)";
    Milligram = "Міліграм (mg)";
    Microgram = "Мікрограм (μg)";
    Square_mile = "Квадратна миля (mi², sqmi)";
    Square_kilometer = "Квадратний кілометр (km²)";
    Square_meter = "Квадратний метр (m²)";
    Hectare = "Гектар (ha)";
    Acre = "Акр (ac)";
    Square_centimeter = "Квадратний сантиметр (cm²)";
    Square_millimeter = "Квадратний міліметр (mm²)";
    Square_inch = "Квадратний дюйм";
    Square_yard = "Квадратний ярд";
    Square_foot = "Квадратний фут";
    Cubic_meter = "Кубічний метр (m³)";
    Imperial_gallon = "Англійський галон";
    US_liquid_gallon = "Американський галон (US.liq.gal.)";
    US_dry_gallon = "Американський сухий галон (US.dry.gal.)";
    Imperial_quart = "Англійська кварта";
    Imperial_pint = "Англійська пінта";
    Liter = "Літр (l)";
    US_liquid_quart = "Американська кварта (US.liq.qt.)";
    US_liquid_pint = "Американська пінта (US.liq.pt.)";
    US_Fluid_ounce = "[США] Рідка унція";
    Imperial_cup = "Англійська склянка";
    Deciliter = "Децилітр (dl)";
    Milliliter = "Мілілітр (ml)";
    // The 240 ml cup of US nutrition labels.
    US_Legal_cup = "[США] Стандартна склянка";
    Cubic_foot = "Кубічний фут (ft3, cft)";
    Cubic_inch = "Кубічний дюйм (in3, cuin)";
    US_Tablespoon = "[США] Столова ложка";
    US_Teaspoon = "[США] Чайна ложка";
    Imperial_tablespoon = "Англійська столова ложка";
    Metric_tablespoon = "Метрична столова ложка";
    Bar = "Бар (bar)";
    Standard_atmosphere = "Стандартна атмосфера (atm)";
    Pascal = "Паскаль (Pa)";
    Hectopascal = "Гектопаскаль";
    Millibar = "Мілібар";
    Torr = "Торр";
    Millimeter_of_mercury = "Міліметр ртутного стовпа";
    Pounds_per_square_inch = "Фунт на квадратний дюйм (psi, lbf/in2)";
    Megawatt = "Мегават (MW)";
    Kilowatt = "Кіловат (kW)";
    // Ukrainian writes к. с. (кінська сила); the row keeps hp(M).
    Metric_horsepower = "Кінська сила (к. с., hp(M))";
    Watt = "Ват (W)";
    Year = "Рік";
    Week = "Тиждень (w)";
    Day = "День (d)";
    Hour = "Година (h)";
    Minute = "Хвилина (min)";
    Second = "Секунда (s)";
    Millisecond = "Мілісекунда (ms)";
    Microsecond = "Мікросекунда (μs)";
    Nanosecond = "Наносекунда (ns)";
    Kilocalorie = "Кілокалорія";
    Kilojoule = "Кілоджоуль";
    Calorie = "Калорія";
    Joule = "Джоуль";
    Zettabyte = "Зетабайт";
    Exabyte = "Ексабайт";
    Petabyte = "Петабайт";
    Terabyte = "Терабайт";
    Gigabyte = "Гігабайт";
    Megabyte = "Мегабайт";
    Kibibyte = "Кібібайт";
    Kilobyte = "Кілобайт";
    Byte = "Байт";
    Bit = "Біт (bit, b)";
    Temperature = "Температура";
    Celsius = "Градус Цельсія";
    Fahrenheit = "Градус Фаренгейта";
    Kelvin = "Кельвін";
    Pick_first_temperature = "Виберіть першу одиницю температури";
    Pick_second_temperature = "Виберіть другу одиницю температури";
    // Recipes shorten столова ложка, the 15 ml spoon, to "ст. л.".
    Metric_Tbsp = "ст. л.";
    Unit_of_measurement = "Одиниця виміру";
    Conversion_of_units = "Перетворення одиниць";

    // Counts take the three Ukrainian forms: 1 (21, 31...) одиниця, 2-4 (22-24...)
    // одиниці, 5-20 (25-30...) and 0 одиниць, each followed by the genitive of
    // what it measures.
    NUM_more_currencies = "one{Ще %i валюта} few{Ще %i валюти} many{Ще %i валют}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{Ще %i одиниця " + genitive + "} few{Ще %i одиниці " + genitive +
               "} many{Ще %i одиниць " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("довжини");
    NUM_more_speed_units = moreUnitsOf("швидкості");
    NUM_more_mass_units = moreUnitsOf("маси");
    NUM_more_area_units = moreUnitsOf("площі");
    NUM_more_units_of_information = moreUnitsOf("інформації");
    NUM_more_volumes = moreUnitsOf("об’єму");
    NUM_more_pressure_units = moreUnitsOf("тиску");
    NUM_more_power_units = moreUnitsOf("потужності");
    NUM_more_energy_units = moreUnitsOf("енергії");
    NUM_more_time_units = moreUnitsOf("часу");
    NUM_more_temperatures = moreUnitsOf("температури");
    NUM_more_consumption_units = moreUnitsOf("витрати");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Копіювати";
    E_mail = "Ел. пошта";
    Paste = "Вставити";
    Key_plus = "Плюс";
    Key_plus_hint = "Додати наступне число";
    Key_minus = "Мінус";
    Key_minus_hint = "Відняти наступне число";
    Key_times = "Помножити";
    Key_times_hint = "Помножити на наступне число";
    Key_divide = "Поділити";
    Key_divide_hint = "Поділити на наступне число";
    Key_equals = "Дорівнює";
    Key_equals_hint = "Показати результат";
    Key_clear = "Очистити";
    Key_clear_hint = "Обнулити обидва рядки";
    Key_change_sign = "Змінити знак";
    Key_change_sign_hint = "Змінити знак числа на протилежний";
    Key_decimal_separator = "Десятковий роздільник";
    Key_decimal_separator_hint = "Почати дробову частину";
    Key_switch_units = "Поміняти одиниці";
    Key_switch_units_hint = "Поміняти дві одиниці місцями";
    Key_choose_units = "Вибрати одиниці";
    Key_choose_units_hint = "Вибрати дві одиниці";
    Key_calculator = "Калькулятор";
    Key_calculator_hint = "Режим калькулятора";
    Key_converter = "Конвертер";
    Key_converter_hint = "Режим конвертера";
    Currency_rates_not_downloaded =
        "Курси валют ще не завантажено. Вони з’являться, щойно Ratio буде в мережі.";

    // The bracket already says China, so the yuan needs no adjective.
    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Юань (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
