#include "localization/tables/RussianStrings.h"

#include <string>

namespace ratio {

// Russian apps keep the Latin "OK" on their buttons.
const std::vector<std::string_view> RussianStrings::sameAsBritish = {
    "OK_Yes",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

RussianStrings::RussianStrings() {
    China = "Китай";
    Taiwan = "Тайвань";
    Thousandth_of_an_inch = "Тысячная доля дюйма";
    Angstrom = "Ангстрем (Å)";
    Fathom = "Морская сажень";
    Cancel = "Отменить";
    Pick_first_unit = "Выберите первую единицу";
    Done = "Готово";
    Back = "Назад";
    OK_Yes = "OK";
    No = "Нет";
    Share = "Поделиться";
    Select_Auswählen = "Выбрать";
    Not_Now = "Не сейчас";
    Clear = "Очистить";
    Search = "Поиск";
    Euro = "Евро (€, EUR)";
    United_States_dollar = "Доллар США ($, USD)";
    Japanese_yen = "Японская иена (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Британский фунт стерлингов (£, GBP)";
    Australian_dollar = "Австралийский доллар ($A, AUD, $)";
    Canadian_dollar = "Канадский доллар (Can$, CAD, $)";
    Swiss_franc = "Швейцарский франк (SFr., CHF, Fr.)";
    Swedish_krona = "Шведская крона (Skr, kr, SEK)";
    New_Zealand_dollar = "Новозеландский доллар (NZ$, NZD, $)";
    Mexican_peso = "Мексиканский песо (Mex$, MXN, $)";
    Russian_ruble = "Российский рубль (₽, RUB, руб)";
    Turkish_lira = "Турецкая лира (₺, TRY, TL)";
    Indian_rupee = "Индийская рупия (₹, INR)";
    Brazilian_real = "Бразильский реал (R$, BRL)";
    South_Korean_won = "Южнокорейская вона (₩, KRW)";
    Bulgarian_lev = "Болгарский лев (лв, BGN)";
    Czech_koruna = "Чешская крона (Kč, CZK)";
    Danish_krone = "Датская крона (kr., DKK, dkr.)";
    Hungarian_forint = "Венгерский форинт (Ft, HUF)";
    Polish_złoty = "Польский злотый (zł, PLN)";
    Romanian_leu = "Румынский лей (L, RON)";
    Hong_Kong_dollar = "Гонконгский доллар (HK$, HKD)";
    Norwegian_krone = "Норвежская крона (NOK, kr)";
    Icelandic_króna = "Исландская крона (ISK, kr, ikr)";
    Croatian_kuna = "Хорватская куна (HRK, kn)";
    Indonesian_rupiah = "Индонезийская рупия (IDR, Rp)";
    Israeli_new_shekel = "Новый израильский шекель (ILS, ₪)";
    Malaysian_ringgit = "Малайзийский ринггит (MYR, RM)";
    Philippine_peso = "Филиппинский песо (PHP, ₱)";
    Singapore_dollar = "Сингапурский доллар (SGD, S$, $)";
    Thai_baht = "Таиландский бат (THB, ฿)";
    South_African_rand = "Южноафриканский рэнд (ZAR, R)";
    Unit = "Единица";
    Currency = "Валюта";
    Pick_first_currency = "Выберите первую валюту";
    Pick_second_currency = "Выберите вторую валюту";
    Length = "Длина";
    Pick_first_length = "Выберите первую единицу длины";
    Pick_second_length = "Выберите вторую единицу длины";
    Speed = "Скорость";
    Pick_first_speed = "Выберите первую единицу скорости";
    Pick_second_speed = "Выберите вторую единицу скорости";
    Mass = "Масса";
    Pick_first_mass_unit = "Выберите первую единицу массы";
    Pick_second_mass_unit = "Выберите вторую единицу массы";
    Area = "Площадь";
    Pick_first_area_unit = "Выберите первую единицу площади";
    Pick_second_area_unit = "Выберите вторую единицу площади";
    Units_of_information = "Единицы информации";
    Pick_first_unit_of_information = "Выберите первую единицу информации";
    Pick_second_unit_of_information = "Выберите вторую единицу информации";
    Volume = "Объём";
    Pick_first_volume = "Выберите первую единицу объёма";
    Pick_second_volume = "Выберите вторую единицу объёма";
    Pressure = "Давление";
    Pick_first_pressure_unit = "Выберите первую единицу давления";
    Pick_second_pressure_unit = "Выберите вторую единицу давления";
    Power = "Мощность";
    Pick_first_power_unit = "Выберите первую единицу мощности";
    Pick_second_power_unit = "Выберите вторую единицу мощности";
    Energy = "Энергия";
    Pick_first_energy_unit = "Выберите первую единицу энергии";
    Pick_second_energy_unit = "Выберите вторую единицу энергии";
    Time = "Время";
    Pick_first_time_unit = "Выберите первую единицу времени";
    Pick_second_time_unit = "Выберите вторую единицу времени";
    Fuel_consumption = "Расход топлива";
    Pick_first_consumption_unit = "Выберите первую единицу расхода";
    Pick_second_consumption_unit = "Выберите вторую единицу расхода";
    US_Miles_per_gallon = "[США]\u00A0Мили на галлон";
    Miles_per_liter = "Мили на литр";
    Mile = "Миля (mile, mi)";
    Kilometer = "Километр (km)";
    Meter = "Метр (m)";
    Yard = "Ярд (yd)";
    Foot = "Фут (ft)";
    Decimeter = "Дециметр (dm)";
    Inch = "Дюйм";
    Centimeter = "Сантиметр (cm)";
    Millimeter = "Миллиметр (mm)";
    Micrometer = "Микрометр (μm)";
    Nanometer = "Нанометр (nm)";
    Nautical_mile = "Морская миля (M, NM)";
    Light_second = "Световая секунда";
    Light_minute = "Световая минута (lm)";
    Light_hour = "Световой час (lh)";
    Light_day = "Световой день (ld)";
    Light_year = "Световой год (ly)";
    Parsec = "Парсек";
    Miles_per_hour = "Миля в час (mph, mi/h)";
    Kilometer_per_hour = "Километр в час (km/h)";
    Meter_per_second = "Метр в секунду (m/s, mps)";
    Foot_per_second = "Фут в секунду";
    Knot = "Узел (kn, kt)";
    Imperial_ton_Long_ton = "Английская тонна / Длинная тонна (tn. l., ts)";
    Tonne = "Тонна";
    US_Ton_Short_Ton = "[США] Тонна / Короткая тонна (tn. sh.)";
    Stone = "Стоун";
    Kilogram = "Килограмм (kg)";
    Pound = "Фунт (lb)";
    Ounce = "Унция (oz.)";
    Gram = "Грамм (g)";
    Milligram = "Миллиграмм (mg)";
    Microgram = "Микрограмм (μg)";
    Square_mile = "Квадратная миля (mi², sqmi)";
    Square_kilometer = "Квадратный километр (km²)";
    Square_meter = "Квадратный метр (m²)";
    Hectare = "Гектар (ha)";
    Acre = "Акр (ac)";
    Square_centimeter = "Квадратный сантиметр (cm²)";
    Square_millimeter = "Квадратный миллиметр (mm²)";
    Square_inch = "Квадратный дюйм";
    Square_yard = "Квадратный ярд";
    Square_foot = "Квадратный фут";
    Cubic_meter = "Кубический метр (m³)";
    Imperial_gallon = "Имперский галлон";
    US_liquid_gallon = "Американский галлон (US.liq.gal.)";
    US_dry_gallon = "Американский сухой галлон (US.dry.gal.)";
    Imperial_quart = "Имперская кварта";
    Imperial_pint = "Имперская пинта";
    Liter = "Литр (l)";
    US_liquid_quart = "Американская кварта (US.liq.qt.)";
    US_liquid_pint = "Американская пинта (US.liq.pt.)";
    US_Fluid_ounce = "[США] Жидкая унция";
    Imperial_cup = "Имперская чашка";
    Deciliter = "Децилитр (dl)";
    Milliliter = "Миллилитр (ml)";
    // The 240 ml cup of US nutrition labels.
    US_Legal_cup = "[США] Стандартная чашка";
    Cubic_foot = "Кубический фут (ft3, cft)";
    Cubic_inch = "Кубический дюйм (in3, cuin)";
    US_Tablespoon = "[США] Столовая ложка";
    US_Teaspoon = "[США] Чайная ложка";
    Imperial_tablespoon = "Имперская столовая ложка";
    Metric_tablespoon = "Метрическая столовая ложка";
    Bar = "Бар (bar)";
    Standard_atmosphere = "Стандартная атмосфера (atm)";
    Pascal = "Паскаль (Pa)";
    Hectopascal = "Гектопаскаль";
    Millibar = "Миллибар";
    Torr = "Торр";
    Millimeter_of_mercury = "Миллиметр ртутного столба";
    Pounds_per_square_inch = "Фунт на квадратный дюйм (psi, lbf/in2)";
    Megawatt = "Мегаватт (MW)";
    Kilowatt = "Киловатт (kW)";
    // Russian writes л. с. (лошадиная сила); the row keeps hp(M).
    Metric_horsepower = "Лошадиная сила (л. с., hp(M))";
    Watt = "Ватт (W)";
    Year = "Год";
    Week = "Неделя (w)";
    Day = "День (d)";
    Hour = "Час (h)";
    Minute = "Минута (min)";
    Second = "Секунда (s)";
    Millisecond = "Миллисекунда (ms)";
    Microsecond = "Микросекунда (μs)";
    Nanosecond = "Наносекунда (ns)";
    Kilocalorie = "Килокалория";
    Kilojoule = "Килоджоуль";
    Calorie = "Калория";
    Joule = "Джоуль";
    Zettabyte = "Зеттабайт";
    Exabyte = "Эксабайт";
    Petabyte = "Петабайт";
    Terabyte = "Терабайт";
    Gigabyte = "Гигабайт";
    Megabyte = "Мегабайт";
    Kibibyte = "Кибибайт";
    Kilobyte = "Килобайт";
    Byte = "Байт";
    Bit = "Бит (bit, b)";
    Temperature = "Температура";
    Celsius = "Градус Цельсия";
    Fahrenheit = "Градус Фаренгейта";
    Kelvin = "Кельвин";
    Pick_first_temperature = "Выберите первую единицу температуры";
    Pick_second_temperature = "Выберите вторую единицу температуры";
    // Recipes shorten столовая ложка, the 15 ml spoon, to "ст. л.".
    Metric_Tbsp = "ст. л.";
    Unit_of_measurement = "Единица измерения";
    Conversion_of_units = "Перевод единиц";

    // Counts take the three Russian forms: 1 (21, 31...) единица, 2-4 (22-24...)
    // единицы, 5-20 (25-30...) and 0 единиц, each followed by the genitive of
    // what it measures.
    NUM_more_currencies = "one{Ещё %i валюта} few{Ещё %i валюты} many{Ещё %i валют}";
    const auto moreUnitsOf = [](const std::string& genitive) {
        return "one{Ещё %i единица " + genitive + "} few{Ещё %i единицы " + genitive +
               "} many{Ещё %i единиц " + genitive + "}";
    };
    NUM_more_lengths = moreUnitsOf("длины");
    NUM_more_speed_units = moreUnitsOf("скорости");
    NUM_more_mass_units = moreUnitsOf("массы");
    NUM_more_area_units = moreUnitsOf("площади");
    NUM_more_units_of_information = moreUnitsOf("информации");
    NUM_more_volumes = moreUnitsOf("объёма");
    NUM_more_pressure_units = moreUnitsOf("давления");
    NUM_more_power_units = moreUnitsOf("мощности");
    NUM_more_energy_units = moreUnitsOf("энергии");
    NUM_more_time_units = moreUnitsOf("времени");
    NUM_more_temperatures = moreUnitsOf("температуры");
    NUM_more_consumption_units = moreUnitsOf("расхода");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Копировать";
    E_mail = "Эл. почта";
    Paste = "Вставить";
    Key_plus = "Плюс";
    Key_plus_hint = "Прибавить следующее число";
    Key_minus = "Минус";
    Key_minus_hint = "Вычесть следующее число";
    Key_times = "Умножить";
    Key_times_hint = "Умножить на следующее число";
    Key_divide = "Разделить";
    Key_divide_hint = "Разделить на следующее число";
    Key_equals = "Равно";
    Key_equals_hint = "Показать результат";
    Key_clear = "Очистить";
    Key_clear_hint = "Обнулить обе строки";
    Key_change_sign = "Сменить знак";
    Key_change_sign_hint = "Сменить знак числа на противоположный";
    Key_decimal_separator = "Десятичный разделитель";
    Key_decimal_separator_hint = "Начать дробную часть";
    Key_switch_units = "Поменять единицы";
    Key_switch_units_hint = "Поменять две единицы местами";
    Key_choose_units = "Выбрать единицы";
    Key_choose_units_hint = "Выбрать две единицы";
    Key_calculator = "Калькулятор";
    Key_calculator_hint = "Режим калькулятора";
    Key_converter = "Конвертер";
    Key_converter_hint = "Режим конвертера";
    Currency_rates_not_downloaded =
        "Курсы валют ещё не загружены. Они появятся, когда Ratio будет в сети.";

    // The bracket already says China, so the yuan needs no adjective.
    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Юань (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
