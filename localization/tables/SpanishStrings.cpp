#include "localization/tables/SpanishStrings.h"

namespace ratio {

// Symbols and names Spanish writes exactly as British English does; China is
// the same word, so the romanized Chinese names are too.
const std::vector<std::string_view> SpanishStrings::sameAsBritish = {
    "China",     "OK_Yes",     "No",           "Euro",       "Acre",       "Hectopascal",
    "lǐ_length", "yǐn_length", "zhàng_length", "chǐ_length", "cùn_length", "fēn_length",
    "lí_length", "háo_length", "qǐng_area",    "mǔ_area",    "fēn_area",   "lí_area",
    "háo_area",  "Stone",      "Bar",          "Pascal",     "Torr",       "Parsec",
    "Terabyte",  "Gigabyte",   "Megabyte",     "Kibibyte",   "Kilobyte",   "Byte",
    "Bit",       "Kelvin",     "Zettabyte",    "Exabyte",    "Petabyte",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

SpanishStrings::SpanishStrings() {
    China = "China";
    Taiwan = "Taiwán";
    Thousandth_of_an_inch = "Milésima de pulgada";
    Angstrom = "Ángstrom (Å)";
    Fathom = "Braza";
    Cancel = "Cancelar";
    Pick_first_unit = "Elige la primera unidad";
    Done = "Hecho";
    Back = "Atrás";
    No = "No";
    Share = "Compartir";
    Select_Auswählen = "Seleccionar";
    Not_Now = "Ahora no";
    Clear = "Borrar";
    Search = "Buscar";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dólar estadounidense ($, USD)";
    Japanese_yen = "Yen japonés (¥, JPY, 円)";
    // "Sterling" alone names no country, so the region bracket stays.
    UK_Pound_sterling = "[Reino Unido]\u00A0Libra esterlina (£, GBP)";
    Australian_dollar = "Dólar australiano ($A, AUD, $)";
    Canadian_dollar = "Dólar canadiense (Can$, CAD, $)";
    Swiss_franc = "Franco suizo (SFr., CHF, Fr.)";
    Swedish_krona = "Corona sueca (Skr, kr, SEK)";
    New_Zealand_dollar = "Dólar neozelandés (NZ$, NZD, $)";
    Mexican_peso = "Peso mexicano (Mex$, MXN, $)";
    Russian_ruble = "Rublo ruso (₽, RUB, руб)";
    Turkish_lira = "Lira turca (₺, TRY, TL)";
    Indian_rupee = "Rupia india (₹, INR)";
    Brazilian_real = "Real brasileño (R$, BRL)";
    South_Korean_won = "Won surcoreano (₩, KRW)";
    Bulgarian_lev = "Leva búlgara (лв, BGN)";
    Czech_koruna = "Corona checa (Kč, CZK)";
    Danish_krone = "Corona danesa (kr., DKK, dkr.)";
    Hungarian_forint = "Forinto húngaro (Ft, HUF)";
    Polish_złoty = "Esloti polaco (zł, PLN)";
    Romanian_leu = "Leu rumano (L, RON)";
    Hong_Kong_dollar = "Dólar hongkonés (HK$, HKD)";
    Norwegian_krone = "Corona noruega (NOK, kr)";
    Icelandic_króna = "Corona islandesa (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croata (HRK, kn)";
    Indonesian_rupiah = "Rupia indonesia (IDR, Rp)";
    Israeli_new_shekel = "Nuevo séquel israelí (ILS, ₪)";
    Malaysian_ringgit = "Ringit malayo (MYR, RM)";
    Philippine_peso = "Peso filipino (PHP, ₱)";
    Singapore_dollar = "Dólar singapurense (SGD, S$, $)";
    Thai_baht = "Bat tailandés (THB, ฿)";
    South_African_rand = "Rand sudafricano (ZAR, R)";
    Unit = "Unidad";
    Currency = "Moneda";
    NUM_more_currencies = "one{%i moneda más} other{%i monedas más}";
    Pick_first_currency = "Elige la primera moneda";
    Pick_second_currency = "Elige la segunda moneda";
    Length = "Longitud";
    NUM_more_lengths = "one{%i unidad de longitud más} other{%i unidades de longitud más}";
    Pick_first_length = "Elige la primera longitud";
    Pick_second_length = "Elige la segunda longitud";
    Speed = "Velocidad";
    NUM_more_speed_units = "one{%i unidad de velocidad más} other{%i unidades de velocidad más}";
    Pick_first_speed = "Elige la primera velocidad";
    Pick_second_speed = "Elige la segunda velocidad";
    Mass = "Masa";
    NUM_more_mass_units = "one{%i unidad de masa más} other{%i unidades de masa más}";
    Pick_first_mass_unit = "Elige la primera unidad de masa";
    Pick_second_mass_unit = "Elige la segunda unidad de masa";
    Area = "Superficie";
    NUM_more_area_units = "one{%i unidad de superficie más} other{%i unidades de superficie más}";
    Pick_first_area_unit = "Elige la primera unidad de superficie";
    Pick_second_area_unit = "Elige la segunda unidad de superficie";
    Units_of_information = "Unidades de información";
    NUM_more_units_of_information =
        "one{%i unidad de información más} other{%i unidades de información más}";
    Pick_first_unit_of_information = "Elige la primera unidad de información";
    Pick_second_unit_of_information = "Elige la segunda unidad de información";
    Volume = "Volumen";
    NUM_more_volumes = "one{%i unidad de volumen más} other{%i unidades de volumen más}";
    Pick_first_volume = "Elige la primera unidad de volumen";
    Pick_second_volume = "Elige la segunda unidad de volumen";
    Pressure = "Presión";
    NUM_more_pressure_units = "one{%i unidad de presión más} other{%i unidades de presión más}";
    Pick_first_pressure_unit = "Elige la primera unidad de presión";
    Pick_second_pressure_unit = "Elige la segunda unidad de presión";
    Power = "Potencia";
    NUM_more_power_units = "one{%i unidad de potencia más} other{%i unidades de potencia más}";
    Pick_first_power_unit = "Elige la primera unidad de potencia";
    Pick_second_power_unit = "Elige la segunda unidad de potencia";
    Energy = "Energía";
    NUM_more_energy_units = "one{%i unidad de energía más} other{%i unidades de energía más}";
    Pick_first_energy_unit = "Elige la primera unidad de energía";
    Pick_second_energy_unit = "Elige la segunda unidad de energía";
    Time = "Tiempo";
    NUM_more_time_units = "one{%i unidad de tiempo más} other{%i unidades de tiempo más}";
    Pick_first_time_unit = "Elige la primera unidad de tiempo";
    Pick_second_time_unit = "Elige la segunda unidad de tiempo";
    Fuel_consumption = "Consumo de combustible";
    NUM_more_consumption_units = "one{%i unidad de consumo más} other{%i unidades de consumo más}";
    Pick_first_consumption_unit = "Elige la primera unidad de consumo";
    Pick_second_consumption_unit = "Elige la segunda unidad de consumo";
    US_Miles_per_gallon = "[US]\u00A0Millas por galón";
    Miles_per_liter = "Millas por litro";
    Mile = "Milla (mile, mi)";
    Kilometer = "Kilómetro (km)";
    Meter = "Metro (m)";
    Yard = "Yarda (yd)";
    Foot = "Pie (ft)";
    Decimeter = "Decímetro (dm)";
    Inch = "Pulgada";
    Centimeter = "Centímetro (cm)";
    Millimeter = "Milímetro (mm)";
    Micrometer = "Micrómetro (μm)";
    Nanometer = "Nanómetro (nm)";
    Nautical_mile = "Milla náutica (M, NM)";
    Light_second = "Segundo luz";
    Light_minute = "Minuto luz (lm)";
    Light_hour = "Hora luz (lh)";
    Light_day = "Día luz (ld)";
    Light_year = "Año luz (al, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Millas por hora (mph, mi/h)";
    Kilometer_per_hour = "Kilómetros por hora (km/h)";
    Meter_per_second = "Metro por segundo (m/s, mps)";
    Foot_per_second = "Pie por segundo";
    Knot = "Nudo (kn, kt)";
    Imperial_ton_Long_ton = "Tonelada larga (tn. l., ts)";
    Tonne = "Tonelada";
    US_Ton_Short_Ton = "[US] Tonelada corta (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogramo (kg)";
    Pound = "Libra (lb)";
    Ounce = "Onza (oz.)";
    Gram = "Gramo (g)";
    Milligram = "Miligramo (mg)";
    Microgram = "Microgramo (μg)";
    Square_mile = "Milla cuadrada (mi², sqmi)";
    Square_kilometer = "Kilómetro cuadrado (km²)";
    Square_meter = "Metro cuadrado (m²)";
    Hectare = "Hectárea (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Centímetro cuadrado (cm²)";
    Square_millimeter = "Milímetro cuadrado (mm²)";
    Square_inch = "Pulgada cuadrada";
    Square_yard = "Yarda cuadrada";
    Square_foot = "Pie cuadrado";
    Cubic_meter = "Metro cúbico (m³)";
    Imperial_gallon = "Galón imperial";
    US_liquid_gallon = "Galón líquido de EE. UU. (US.liq.gal.)";
    US_dry_gallon = "Galón seco de EE. UU. (US.dry.gal.)";
    Imperial_quart = "Cuarto imperial";
    Imperial_pint = "Pinta imperial";
    Liter = "Litro (l)";
    US_liquid_quart = "Cuarto líquido de EE. UU. (US.liq.qt.)";
    US_liquid_pint = "Pinta líquida de EE. UU. (US.liq.pt.)";
    US_Fluid_ounce = "[US] Onza líquida";
    Imperial_cup = "Taza imperial";
    Deciliter = "Decilitro (dl)";
    Milliliter = "Mililitro (ml)";
    US_Legal_cup = "[US] Taza legal";
    Cubic_foot = "Pie cúbico (ft3, cft)";
    Cubic_inch = "Pulgada cúbica (in3, cuin)";
    US_Tablespoon = "[US] Cucharada";
    US_Teaspoon = "[US] Cucharadita";
    Imperial_tablespoon = "Cucharada imperial";
    Metric_tablespoon = "Cucharada métrica";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmósfera estándar (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milímetro de mercurio";
    Pounds_per_square_inch = "Libra por pulgada cuadrada (psi, lbf/in2)";
    Megawatt = "Megavatio (MW)";
    Kilowatt = "Kilovatio (kW)";
    // No bracket: the catalogue appends the Spanish symbol CV from hp_M.
    Metric_horsepower = "Caballo de vapor";
    Watt = "Vatio (W)";
    Year = "Año";
    Week = "Semana (w)";
    Day = "Día (d)";
    Hour = "Hora (h)";
    Minute = "Minuto (min)";
    Second = "Segundo (s)";
    Millisecond = "Milisegundo (ms)";
    Microsecond = "Microsegundo (μs)";
    Nanosecond = "Nanosegundo (ns)";
    Kilocalorie = "Kilocaloría";
    Kilojoule = "Kilojulio";
    Calorie = "Caloría";
    Joule = "Julio";
    Temperature = "Temperatura";
    Celsius = "Grado Celsius";
    Fahrenheit = "Grado Fahrenheit";
    NUM_more_temperatures =
        "one{%i unidad de temperatura más} other{%i unidades de temperatura más}";
    Pick_first_temperature = "Elige la primera temperatura";
    Pick_second_temperature = "Elige la segunda temperatura";
    // Recipes write the 15 ml spoon as "cda." (cucharada).
    Metric_Tbsp = "cda.";
    Unit_of_measurement = "Unidad de medida";
    Conversion_of_units = "Conversión de unidades";
    hp_M = {"CV"};

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copiar";
    E_mail = "Correo";
    Paste = "Pegar";
    Key_plus = "más";
    Key_plus_hint = "sumar el siguiente número";
    Key_minus = "menos";
    Key_minus_hint = "restar el siguiente número";
    Key_times = "por";
    Key_times_hint = "multiplicar por el siguiente número";
    Key_divide = "dividido entre";
    Key_divide_hint = "dividir entre el siguiente número";
    Key_equals = "igual";
    Key_equals_hint = "mostrar el resultado";
    Key_clear = "borrar";
    Key_clear_hint = "poner las dos filas a cero";
    Key_change_sign = "cambiar signo";
    Key_change_sign_hint = "invertir el signo del número";
    Key_decimal_separator = "separador decimal";
    Key_decimal_separator_hint = "empezar los decimales";
    Key_switch_units = "invertir unidades";
    Key_switch_units_hint = "intercambiar las dos unidades";
    Key_choose_units = "elegir unidades";
    Key_choose_units_hint = "seleccionar las dos unidades";
    Key_calculator = "calculadora";
    Key_calculator_hint = "modo calculadora";
    Key_converter = "conversor";
    Key_converter_hint = "modo conversor";
    Currency_rates_not_downloaded =
        "Aún no hay tipos de cambio. Llegan en cuanto Ratio tenga conexión.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Yuan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
