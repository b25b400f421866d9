#include "localization/tables/PortugueseBrazilStrings.h"

namespace ratio {

// Symbols and names Brazilian Portuguese writes exactly as British English
// does; China is the same word, so the romanized Chinese names are too.
const std::vector<std::string_view> PortugueseBrazilStrings::sameAsBritish = {
    "China",      "Taiwan",     "OK_Yes",       "Euro",       "Volume",     "Parsec",
    "lǐ_length",  "yǐn_length", "zhàng_length", "chǐ_length", "cùn_length", "fēn_length",
    "lí_length",  "háo_length", "qǐng_area",    "mǔ_area",    "fēn_area",   "lí_area",
    "háo_area",   "Stone",      "Hectare",      "Acre",       "Taiwan_Lê",  "Taiwan_Kah",
    "Taiwan_Hun", "Taiwan_Bó͘",  "Taiwan_Pêⁿ",   "Bar",        "Pascal",     "Hectopascal",
    "Torr",       "Megawatt",   "Watt",         "Joule",      "Zettabyte",  "Exabyte",
    "Petabyte",   "Terabyte",   "Gigabyte",     "Megabyte",   "Kibibyte",   "Kilobyte",
    "Byte",       "Bit",        "Kelvin",       "E_mail",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

PortugueseBrazilStrings::PortugueseBrazilStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Milésimo de polegada";
    Angstrom = "Ångström (Å)";
    Fathom = "Braça";
    Cancel = "Cancelar";
    Pick_first_unit = "Escolha a primeira unidade";
    Done = "OK";
    Back = "Voltar";
    OK_Yes = "OK";
    No = "Não";
    Share = "Compartilhar";
    Select_Auswählen = "Selecionar";
    Not_Now = "Agora não";
    Clear = "Limpar";
    Search = "Buscar";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dólar americano ($, USD)";
    Japanese_yen = "Iene japonês (¥, JPY, 円)";
    // "Sterling" alone names no country, so the region bracket stays.
    UK_Pound_sterling = "[Reino Unido]\u00A0Libra esterlina (£, GBP)";
    Australian_dollar = "Dólar australiano ($A, AUD, $)";
    Canadian_dollar = "Dólar canadense (Can$, CAD, $)";
    Swiss_franc = "Franco suíço (SFr., CHF, Fr.)";
    Swedish_krona = "Coroa sueca (Skr, kr, SEK)";
    New_Zealand_dollar = "Dólar neozelandês (NZ$, NZD, $)";
    Mexican_peso = "Peso mexicano (Mex$, MXN, $)";
    Russian_ruble = "Rublo russo (₽, RUB, руб)";
    Turkish_lira = "Lira turca (₺, TRY, TL)";
    Indian_rupee = "Rupia indiana (₹, INR)";
    Brazilian_real = "Real brasileiro (R$, BRL)";
    South_Korean_won = "Won sul-coreano (₩, KRW)";
    Bulgarian_lev = "Lev búlgaro (лв, BGN)";
    Czech_koruna = "Coroa tcheca (Kč, CZK)";
    Danish_krone = "Coroa dinamarquesa (kr., DKK, dkr.)";
    Hungarian_forint = "Florim húngaro (Ft, HUF)";
    Polish_złoty = "Zloty polonês (zł, PLN)";
    Romanian_leu = "Leu romeno (L, RON)";
    Hong_Kong_dollar = "Dólar de Hong Kong (HK$, HKD)";
    Norwegian_krone = "Coroa norueguesa (NOK, kr)";
    Icelandic_króna = "Coroa islandesa (ISK, kr, ikr)";
    Croatian_kuna = "Kuna croata (HRK, kn)";
    Indonesian_rupiah = "Rupia indonésia (IDR, Rp)";
    Israeli_new_shekel = "Novo shekel israelense (ILS, ₪)";
    Malaysian_ringgit = "Ringgit malaio (MYR, RM)";
    Philippine_peso = "Peso filipino (PHP, ₱)";
    Singapore_dollar = "Dólar singapuriano (SGD, S$, $)";
    Thai_baht = "Baht tailandês (THB, ฿)";
    South_African_rand = "Rand sul-africano (ZAR, R)";
    Unit = "Unidade";
    // Brazilian Portuguese counts 0 and 1 in the singular.
    Currency = "Moeda";
    NUM_more_currencies = "one{Mais %i moeda} other{Mais %i moedas}";
    Pick_first_currency = "Escolha a primeira moeda";
    Pick_second_currency = "Escolha a segunda moeda";
    Length = "Comprimento";
    NUM_more_lengths = "one{Mais %i unidade de comprimento} other{Mais %i unidades de comprimento}";
    Pick_first_length = "Escolha o primeiro comprimento";
    Pick_second_length = "Escolha o segundo comprimento";
    Speed = "Velocidade";
    NUM_more_speed_units =
        "one{Mais %i unidade de velocidade} other{Mais %i unidades de velocidade}";
    Pick_first_speed = "Escolha a primeira velocidade";
    Pick_second_speed = "Escolha a segunda velocidade";
    Mass = "Massa";
    NUM_more_mass_units = "one{Mais %i unidade de massa} other{Mais %i unidades de massa}";
    Pick_first_mass_unit = "Escolha a primeira unidade de massa";
    Pick_second_mass_unit = "Escolha a segunda unidade de massa";
    Area = "Área";
    NUM_more_area_units = "one{Mais %i unidade de área} other{Mais %i unidades de área}";
    Pick_first_area_unit = "Escolha a primeira unidade de área";
    Pick_second_area_unit = "Escolha a segunda unidade de área";
    Units_of_information = "Unidades de informação";
    NUM_more_units_of_information =
        "one{Mais %i unidade de informação} other{Mais %i unidades de informação}";
    Pick_first_unit_of_information = "Escolha a primeira unidade de informação";
    Pick_second_unit_of_information = "Escolha a segunda unidade de informação";
    Volume = "Volume";
    NUM_more_volumes = "one{Mais %i unidade de volume} other{Mais %i unidades de volume}";
    Pick_first_volume = "Escolha a primeira unidade de volume";
    Pick_second_volume = "Escolha a segunda unidade de volume";
    Pressure = "Pressão";
    NUM_more_pressure_units = "one{Mais %i unidade de pressão} other{Mais %i unidades de pressão}";
    Pick_first_pressure_unit = "Escolha a primeira unidade de pressão";
    Pick_second_pressure_unit = "Escolha a segunda unidade de pressão";
    Power = "Potência";
    NUM_more_power_units = "one{Mais %i unidade de potência} other{Mais %i unidades de potência}";
    Pick_first_power_unit = "Escolha a primeira unidade de potência";
    Pick_second_power_unit = "Escolha a segunda unidade de potência";
    Energy = "Energia";
    NUM_more_energy_units = "one{Mais %i unidade de energia} other{Mais %i unidades de energia}";
    Pick_first_energy_unit = "Escolha a primeira unidade de energia";
    Pick_second_energy_unit = "Escolha a segunda unidade de energia";
    Time = "Tempo";
    NUM_more_time_units = "one{Mais %i unidade de tempo} other{Mais %i unidades de tempo}";
    Pick_first_time_unit = "Escolha a primeira unidade de tempo";
    Pick_second_time_unit = "Escolha a segunda unidade de tempo";
    Fuel_consumption = "Consumo de combustível";
    NUM_more_consumption_units =
        "one{Mais %i unidade de consumo} other{Mais %i unidades de consumo}";
    Pick_first_consumption_unit = "Escolha a primeira unidade de consumo";
    Pick_second_consumption_unit = "Escolha a segunda unidade de consumo";
    US_Miles_per_gallon = "[US]\u00A0Milhas por galão";
    Miles_per_liter = "Milhas por litro";
    Mile = "Milha (mile, mi)";
    Kilometer = "Quilômetro (km)";
    Meter = "Metro (m)";
    Yard = "Jarda (yd)";
    Foot = "Pé (ft)";
    Decimeter = "Decímetro (dm)";
    Inch = "Polegada";
    Centimeter = "Centímetro (cm)";
    Millimeter = "Milímetro (mm)";
    Micrometer = "Micrômetro (μm)";
    Nanometer = "Nanômetro (nm)";
    Nautical_mile = "Milha náutica (M, NM)";
    Light_second = "Segundo-luz";
    Light_minute = "Minuto-luz (lm)";
    Light_hour = "Hora-luz (lh)";
    Light_day = "Dia-luz (ld)";
    Light_year = "Ano-luz (al, ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Milhas por hora (mph, mi/h)";
    Kilometer_per_hour = "Quilômetros por hora (km/h)";
    Meter_per_second = "Metro por segundo (m/s, mps)";
    Foot_per_second = "Pé por segundo";
    Knot = "Nó (kn, kt)";
    Imperial_ton_Long_ton = "Tonelada longa (tn. l., ts)";
    Tonne = "Tonelada";
    US_Ton_Short_Ton = "[US] Tonelada curta (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Quilograma (kg)";
    Pound = "Libra (lb)";
    Ounce = "Onça (oz.)";
    Gram = "Grama (g)";
    Milligram = "Miligrama (mg)";
    Microgram = "Micrograma (μg)";
    Square_mile = "Milha quadrada (mi², sqmi)";
    Square_kilometer = "Quilômetro quadrado (km²)";
    Square_meter = "Metro quadrado (m²)";
    Hectare = "Hectare (ha)";
    Acre = "Acre (ac)";
    Square_centimeter = "Centímetro quadrado (cm²)";
    Square_millimeter = "Milímetro quadrado (mm²)";
    Square_inch = "Polegada quadrada";
    Square_yard = "Jarda quadrada";
    Square_foot = "Pé quadrado";
    Cubic_meter = "Metro cúbico (m³)";
    Imperial_gallon = "Galão imperial";
    US_liquid_gallon = "Galão líquido americano (US.liq.gal.)";
    US_dry_gallon = "Galão seco americano (US.dry.gal.)";
    Imperial_quart = "Quarto imperial";
    Imperial_pint = "Pint imperial";
    Liter = "Litro (l)";
    US_liquid_quart = "Quarto líquido americano (US.liq.qt.)";
    US_liquid_pint = "Pint líquido americano (US.liq.pt.)";
    US_Fluid_ounce = "[US] Onça fluida";
    Imperial_cup = "Xícara imperial";
    Deciliter = "Decilitro (dl)";
    Milliliter = "Mililitro (ml)";
    US_Legal_cup = "[US] Xícara legal";
    Cubic_foot = "Pé cúbico (ft3, cft)";
    Cubic_inch = "Polegada cúbica (in3, cuin)";
    US_Tablespoon = "[US] Colher de sopa";
    US_Teaspoon = "[US] Colher de chá";
    Imperial_tablespoon = "Colher de sopa imperial";
    Metric_tablespoon = "Colher de sopa métrica";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfera padrão (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hectopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milímetro de mercúrio";
    Pounds_per_square_inch = "Libra por polegada quadrada (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Quilowatt (kW)";
    // No bracket: the catalogue appends the Portuguese symbol cv from hp_M.
    Metric_horsepower = "Cavalo-vapor";
    Watt = "Watt (W)";
    Year = "Ano";
    Week = "Semana (w)";
    Day = "Dia (d)";
    Hour = "Hora (h)";
    Minute = "Minuto (min)";
    Second = "Segundo (s)";
    Millisecond = "Milissegundo (ms)";
    Microsecond = "Microssegundo (μs)";
    Nanosecond = "Nanossegundo (ns)";
    Kilocalorie = "Quilocaloria";
    Kilojoule = "Quilojoule";
    Calorie = "Caloria";
    Joule = "Joule";
    Temperature = "Temperatura";
    Celsius = "Grau Celsius";
    Fahrenheit = "Grau Fahrenheit";
    NUM_more_temperatures =
        "one{Mais %i unidade de temperatura} other{Mais %i unidades de temperatura}";
    Pick_first_temperature = "Escolha a primeira temperatura";
    Pick_second_temperature = "Escolha a segunda temperatura";
    // Recipes write the 15 ml spoon as "c.s." (colher de sopa).
    Metric_Tbsp = "c.s.";
    Unit_of_measurement = "Unidade de medida";
    Conversion_of_units = "Conversão de unidades";
    hp_M = {"cv"};

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Copiar";
    E_mail = "E-mail";
    Paste = "Colar";
    Key_plus = "mais";
    Key_plus_hint = "soma o próximo número";
    Key_minus = "menos";
    Key_minus_hint = "subtrai o próximo número";
    Key_times = "vezes";
    Key_times_hint = "multiplica pelo próximo número";
    Key_divide = "dividido por";
    Key_divide_hint = "divide pelo próximo número";
    Key_equals = "igual";
    Key_equals_hint = "mostra o resultado";
    Key_clear = "limpar";
    Key_clear_hint = "zera as duas linhas";
    Key_change_sign = "trocar sinal";
    Key_change_sign_hint = "inverte o sinal do número";
    Key_decimal_separator = "separador decimal";
    Key_decimal_separator_hint = "inicia as casas decimais";
    Key_switch_units = "inverter unidades";
    Key_switch_units_hint = "troca as duas unidades";
    Key_choose_units = "escolher unidades";
    Key_choose_units_hint = "seleciona as duas unidades";
    Key_calculator = "calculadora";
    Key_calculator_hint = "modo calculadora";
    Key_converter = "conversor";
    Key_converter_hint = "modo conversor";
    Currency_rates_not_downloaded =
        "Ainda não há cotações. Elas chegam assim que o Ratio estiver online.";

    composeRegionalNames(
        {{&LocalizedStrings::China_Renminbi, "Yuan renminbi (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
