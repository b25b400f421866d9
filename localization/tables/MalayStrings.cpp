#include "localization/tables/MalayStrings.h"

#include <string>

namespace ratio {

// Symbols and international names Malay spells exactly as British English
// does, as CLDR has them. China and Taiwan are the same words in Malay, and
// the Chinese and Taiwanese names are romanizations.
const std::vector<std::string_view> MalayStrings::sameAsBritish = {
    "China",      "Taiwan",     "Angstrom",   "Fathom",       "OK_Yes",     "Euro",
    "Unit",       "lǐ_length",  "yǐn_length", "zhàng_length", "chǐ_length", "cùn_length",
    "fēn_length", "lí_length",  "háo_length", "qǐng_area",    "mǔ_area",    "fēn_area",
    "lí_area",    "háo_area",   "Knot",       "Stone",        "Kilogram",   "Gram",
    "Taiwan_Lê",  "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘",    "Taiwan_Pêⁿ", "Bar",
    "Pascal",     "Torr",       "Megawatt",   "Kilowatt",     "Watt",       "Kilojoule",
    "Joule",      "Bit",        "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names follow CLDR's, with the British symbols kept in the
// brackets: the mile is a batu and the yard an ela. US measures carry the
// bracket [AS], the abbreviation the names themselves use. Malay has no
// plural, so each count text is one format.
MalayStrings::MalayStrings() {
    China = "China";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Perseribu inci";
    Angstrom = "Angstrom (Å)";
    Fathom = "Fathom";
    Cancel = "Batal";
    Pick_first_unit = "Pilih unit pertama";
    Done = "Selesai";
    Back = "Kembali";
    OK_Yes = "OK";
    No = "Tidak";
    Share = "Kongsi";
    Select_Auswählen = "Pilih";
    Not_Now = "Bukan Sekarang";
    Clear = "Kosongkan";
    Search = "Cari";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dolar AS ($, USD)";
    Japanese_yen = "Yen Jepun (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Paun British (£, GBP)";
    Australian_dollar = "Dolar Australia ($A, AUD, $)";
    Canadian_dollar = "Dolar Kanada (Can$, CAD, $)";
    Swiss_franc = "Franc Switzerland (SFr., CHF, Fr.)";
    Swedish_krona = "Krona Sweden (Skr, kr, SEK)";
    New_Zealand_dollar = "Dolar New Zealand (NZ$, NZD, $)";
    Mexican_peso = "Peso Mexico (Mex$, MXN, $)";
    Russian_ruble = "Rubel Rusia (₽, RUB, руб)";
    Turkish_lira = "Lira Turki (₺, TRY, TL)";
    Indian_rupee = "Rupee India (₹, INR)";
    Brazilian_real = "Real Brazil (R$, BRL)";
    South_Korean_won = "Won Korea Selatan (₩, KRW)";
    Bulgarian_lev = "Lev Bulgaria (лв, BGN)";
    Czech_koruna = "Koruna Republik Czech (Kč, CZK)";
    Danish_krone = "Krone Denmark (kr., DKK, dkr.)";
    Hungarian_forint = "Forint Hungary (Ft, HUF)";
    Polish_złoty = "Zloty Poland (zł, PLN)";
    Romanian_leu = "Leu Romania (L, RON)";
    Hong_Kong_dollar = "Dolar Hong Kong (HK$, HKD)";
    Norwegian_krone = "Krone Norway (NOK, kr)";
    Icelandic_króna = "Krona Iceland (ISK, kr, ikr)";
    Croatian_kuna = "Kuna Croatia (HRK, kn)";
    Indonesian_rupiah = "Rupiah Indonesia (IDR, Rp)";
    Israeli_new_shekel = "Syekel Baharu Israel (ILS, ₪)";
    Malaysian_ringgit = "Ringgit Malaysia (MYR, RM)";
    Philippine_peso = "Peso Filipina (PHP, ₱)";
    Singapore_dollar = "Dolar Singapura (SGD, S$, $)";
    Thai_baht = "Baht Thai (THB, ฿)";
    South_African_rand = "Rand Afrika Selatan (ZAR, R)";
    Unit = "Unit";
    Currency = "Mata wang";
    Pick_first_currency = "Pilih mata wang pertama";
    Pick_second_currency = "Pilih mata wang kedua";
    Length = "Panjang";
    Pick_first_length = "Pilih unit panjang pertama";
    Pick_second_length = "Pilih unit panjang kedua";
    Speed = "Kelajuan";
    Pick_first_speed = "Pilih unit kelajuan pertama";
    Pick_second_speed = "Pilih unit kelajuan kedua";
    Mass = "Jisim";
    Pick_first_mass_unit = "Pilih unit jisim pertama";
    Pick_second_mass_unit = "Pilih unit jisim kedua";
    Area = "Luas";
    Pick_first_area_unit = "Pilih unit luas pertama";
    Pick_second_area_unit = "Pilih unit luas kedua";
    Units_of_information = "Unit maklumat";
    Pick_first_unit_of_information = "Pilih unit maklumat pertama";
    Pick_second_unit_of_information = "Pilih unit maklumat kedua";
    Volume = "Isi padu";
    Pick_first_volume = "Pilih unit isi padu pertama";
    Pick_second_volume = "Pilih unit isi padu kedua";
    Pressure = "Tekanan";
    Pick_first_pressure_unit = "Pilih unit tekanan pertama";
    Pick_second_pressure_unit = "Pilih unit tekanan kedua";
    Power = "Kuasa";
    Pick_first_power_unit = "Pilih unit kuasa pertama";
    Pick_second_power_unit = "Pilih unit kuasa kedua";
    Energy = "Tenaga";
    Pick_first_energy_unit = "Pilih unit tenaga pertama";
    Pick_second_energy_unit = "Pilih unit tenaga kedua";
    Time = "Masa";
    Pick_first_time_unit = "Pilih unit masa pertama";
    Pick_second_time_unit = "Pilih unit masa kedua";
    Fuel_consumption = "Penggunaan bahan api";
    Pick_first_consumption_unit = "Pilih unit penggunaan pertama";
    Pick_second_consumption_unit = "Pilih unit penggunaan kedua";
    US_Miles_per_gallon = "[AS]\u00A0Batu segelen";
    Miles_per_liter = "Batu seliter";
    Mile = "Batu (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Ela (yd)";
    Foot = "Kaki (ft)";
    Decimeter = "Desimeter (dm)";
    Inch = "Inci";
    Centimeter = "Sentimeter (cm)";
    Millimeter = "Milimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Batu nautika (M, NM)";
    Light_second = "Saat cahaya";
    Light_minute = "Minit cahaya (lm)";
    Light_hour = "Jam cahaya (lh)";
    Light_day = "Hari cahaya (ld)";
    Light_year = "Tahun cahaya (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Batu sejam (mph, mi/h)";
    Kilometer_per_hour = "Kilometer sejam (km/h)";
    Meter_per_second = "Meter sesaat (m/s, mps)";
    Foot_per_second = "Kaki sesaat";
    Knot = "Knot (kn, kt)";
    Imperial_ton_Long_ton = "Tan imperial / Tan panjang (tn. l., ts)";
    // Malay puts the qualifier after the noun: tan metrik.
    Tonne = "Tan metrik";
    US_Ton_Short_Ton = "Tan AS / Tan pendek (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Paun (lb)";
    Ounce = "Auns (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Batu persegi (mi², sqmi)";
    Square_kilometer = "Kilometer persegi (km²)";
    Square_meter = "Meter persegi (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Ekar (ac)";
    Square_centimeter = "Sentimeter persegi (cm²)";
    Square_millimeter = "Milimeter persegi (mm²)";
    Square_inch = "Inci persegi";
    Square_yard = "Ela persegi";
    Square_foot = "Kaki persegi";
    Cubic_meter = "Meter padu (m³)";
    Imperial_gallon = "Gelen imperial";
    US_liquid_gallon = "Gelen cecair AS (US.liq.gal.)";
    US_dry_gallon = "Gelen kering AS (US.dry.gal.)";
    Imperial_quart = "Kuart imperial";
    Imperial_pint = "Pain imperial";
    Liter = "Liter (l)";
    US_liquid_quart = "Kuart cecair AS (US.liq.qt.)";
    US_liquid_pint = "Pain cecair AS (US.liq.pt.)";
    US_Fluid_ounce = "[AS] Auns cecair";
    Imperial_cup = "Cawan imperial";
    Deciliter = "Desiliter (dl)";
    Milliliter = "Mililiter (ml)";
    US_Legal_cup = "[AS] Cawan rasmi";
    Cubic_foot = "Kaki padu (ft3, cft)";
    Cubic_inch = "Inci padu (in3, cuin)";
    US_Tablespoon = "[AS] Sudu besar";
    US_Teaspoon = "[AS] Sudu teh";
    Imperial_tablespoon = "Sudu besar imperial";
    Metric_tablespoon = "Sudu besar metrik";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfera piawai (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimeter raksa";
    Pounds_per_square_inch = "Paun seinci persegi (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    // Malaysian motoring writes kk (kuasa kuda); the row keeps hp(M).
    Metric_horsepower = "Kuasa kuda metrik (kk, hp(M))";
    Watt = "Watt (W)";
    Year = "Tahun";
    Week = "Minggu (w)";
    Day = "Hari (d)";
    Hour = "Jam (h)";
    Minute = "Minit (min)";
    Second = "Saat (s)";
    Millisecond = "Milisaat (ms)";
    Microsecond = "Mikrosaat (μs)";
    Nanosecond = "Nanosaat (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojoule";
    Calorie = "Kalori";
    Joule = "Joule";
    Zettabyte = "Zettabait";
    Exabyte = "Eksabait";
    Petabyte = "Petabait";
    Terabyte = "Terabait";
    Gigabyte = "Gigabait";
    Megabyte = "Megabait";
    Kibibyte = "Kibibait";
    Kilobyte = "Kilobait";
    Byte = "Bait";
    Bit = "Bit (bit, b)";
    Temperature = "Suhu";
    Celsius = "Darjah Celsius";
    Fahrenheit = "Darjah Fahrenheit";
    Kelvin = "Kelvin";
    Pick_first_temperature = "Pilih unit suhu pertama";
    Pick_second_temperature = "Pilih unit suhu kedua";
    // Malaysian recipes write the 15 ml spoon as sb (sudu besar).
    Metric_Tbsp = "sb";
    Unit_of_measurement = "Unit ukuran";
    Conversion_of_units = "Penukaran unit";

    NUM_more_currencies = "%i mata wang lagi";
    const auto moreUnitsOf = [](const std::string& quantity) {
        return "%i unit " + quantity + " lagi";
    };
    NUM_more_lengths = moreUnitsOf("panjang");
    NUM_more_speed_units = moreUnitsOf("kelajuan");
    NUM_more_mass_units = moreUnitsOf("jisim");
    NUM_more_area_units = moreUnitsOf("luas");
    NUM_more_units_of_information = moreUnitsOf("maklumat");
    NUM_more_volumes = moreUnitsOf("isi padu");
    NUM_more_pressure_units = moreUnitsOf("tekanan");
    NUM_more_power_units = moreUnitsOf("kuasa");
    NUM_more_energy_units = moreUnitsOf("tenaga");
    NUM_more_time_units = moreUnitsOf("masa");
    NUM_more_temperatures = moreUnitsOf("suhu");
    NUM_more_consumption_units = moreUnitsOf("penggunaan");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Salin";
    E_mail = "E-mel";
    Paste = "Tampal";
    Key_plus = "tambah";
    Key_plus_hint = "tambah nombor seterusnya";
    Key_minus = "tolak";
    Key_minus_hint = "tolak nombor seterusnya";
    Key_times = "darab";
    Key_times_hint = "darab dengan nombor seterusnya";
    Key_divide = "bahagi";
    Key_divide_hint = "bahagi dengan nombor seterusnya";
    Key_equals = "sama dengan";
    Key_equals_hint = "tunjukkan hasil";
    Key_clear = "kosongkan";
    Key_clear_hint = "tetapkan kedua-dua baris kepada sifar";
    Key_change_sign = "tukar tanda";
    Key_change_sign_hint = "songsangkan tanda nombor";
    Key_decimal_separator = "pemisah perpuluhan";
    Key_decimal_separator_hint = "mulakan tempat perpuluhan";
    Key_switch_units = "tukar unit";
    Key_switch_units_hint = "saling tukar kedua-dua unit";
    Key_choose_units = "pilih unit";
    Key_choose_units_hint = "pilih kedua-dua unit";
    Key_calculator = "kalkulator";
    Key_calculator_hint = "mod kalkulator";
    Key_converter = "penukar";
    Key_converter_hint = "mod penukar";
    Currency_rates_not_downloaded =
        "Kadar mata wang belum dimuat turun. Ia tiba sebaik sahaja Ratio dalam talian.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
