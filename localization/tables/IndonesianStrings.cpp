#include "localization/tables/IndonesianStrings.h"

#include <string>

namespace ratio {

// Symbols and international names Indonesian spells exactly as British English
// does, as CLDR has them; Taiwan is the same word, and the Taiwanese names
// are romanizations.
const std::vector<std::string_view> IndonesianStrings::sameAsBritish = {
    "Taiwan",     "Angstrom",   "Euro",      "Yard",       "Parsec",   "Knot",
    "Stone",      "Kilogram",   "Pound",     "Ounce",      "Gram",     "Taiwan_Lê",
    "Taiwan_Kah", "Taiwan_Hun", "Taiwan_Bó͘", "Taiwan_Pêⁿ", "Volume",   "Bar",
    "Pascal",     "Torr",       "Megawatt",  "Kilowatt",   "Watt",     "Kilojoule",
    "Joule",      "Zettabyte",  "Exabyte",   "Petabyte",   "Terabyte", "Gigabyte",
    "Megabyte",   "Kibibyte",   "Kilobyte",  "Byte",       "Bit",      "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

// Unit and currency names follow CLDR's, with the British symbols kept in the
// brackets; US measures carry the bracket [AS], the abbreviation the names
// themselves use. Indonesian has no plural, so each count text is one format.
IndonesianStrings::IndonesianStrings() {
    China = "Tiongkok";
    Taiwan = "Taiwan";
    Thousandth_of_an_inch = "Seperseribu inci";
    Angstrom = "Angstrom (Å)";
    Fathom = "Depa";
    Cancel = "Batal";
    Pick_first_unit = "Pilih satuan pertama";
    Done = "Selesai";
    Back = "Kembali";
    OK_Yes = "Oke";
    No = "Tidak";
    Share = "Bagikan";
    Select_Auswählen = "Pilih";
    Not_Now = "Lain Kali";
    Clear = "Hapus";
    Search = "Cari";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "Dolar Amerika Serikat ($, USD)";
    Japanese_yen = "Yen Jepang (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "Pound Inggris (£, GBP)";
    Australian_dollar = "Dolar Australia ($A, AUD, $)";
    Canadian_dollar = "Dolar Kanada (Can$, CAD, $)";
    Swiss_franc = "Franc Swiss (SFr., CHF, Fr.)";
    Swedish_krona = "Krona Swedia (Skr, kr, SEK)";
    New_Zealand_dollar = "Dolar Selandia Baru (NZ$, NZD, $)";
    Mexican_peso = "Peso Meksiko (Mex$, MXN, $)";
    Russian_ruble = "Rubel Rusia (₽, RUB, руб)";
    Turkish_lira = "Lira Turki (₺, TRY, TL)";
    Indian_rupee = "Rupee India (₹, INR)";
    Brazilian_real = "Real Brasil (R$, BRL)";
    South_Korean_won = "Won Korea Selatan (₩, KRW)";
    Bulgarian_lev = "Lev Bulgaria (лв, BGN)";
    Czech_koruna = "Koruna Ceko (Kč, CZK)";
    Danish_krone = "Krone Denmark (kr., DKK, dkr.)";
    Hungarian_forint = "Forint Hungaria (Ft, HUF)";
    Polish_złoty = "Zloty Polandia (zł, PLN)";
    Romanian_leu = "Leu Rumania (L, RON)";
    Hong_Kong_dollar = "Dolar Hong Kong (HK$, HKD)";
    Norwegian_krone = "Krone Norwegia (NOK, kr)";
    Icelandic_króna = "Krona Islandia (ISK, kr, ikr)";
    Croatian_kuna = "Kuna Kroasia (HRK, kn)";
    Indonesian_rupiah = "Rupiah Indonesia (IDR, Rp)";
    Israeli_new_shekel = "Shekel Baru Israel (ILS, ₪)";
    Malaysian_ringgit = "Ringgit Malaysia (MYR, RM)";
    Philippine_peso = "Peso Filipina (PHP, ₱)";
    Singapore_dollar = "Dolar Singapura (SGD, S$, $)";
    Thai_baht = "Baht Thailand (THB, ฿)";
    South_African_rand = "Rand Afrika Selatan (ZAR, R)";
    Unit = "Satuan";
    Currency = "Mata uang";
    Pick_first_currency = "Pilih mata uang pertama";
    Pick_second_currency = "Pilih mata uang kedua";
    Length = "Panjang";
    Pick_first_length = "Pilih satuan panjang pertama";
    Pick_second_length = "Pilih satuan panjang kedua";
    Speed = "Kecepatan";
    Pick_first_speed = "Pilih satuan kecepatan pertama";
    Pick_second_speed = "Pilih satuan kecepatan kedua";
    Mass = "Massa";
    Pick_first_mass_unit = "Pilih satuan massa pertama";
    Pick_second_mass_unit = "Pilih satuan massa kedua";
    Area = "Luas";
    Pick_first_area_unit = "Pilih satuan luas pertama";
    Pick_second_area_unit = "Pilih satuan luas kedua";
    Units_of_information = "Satuan informasi";
    Pick_first_unit_of_information = "Pilih satuan informasi pertama";
    Pick_second_unit_of_information = "Pilih satuan informasi kedua";
    Volume = "Volume";
    Pick_first_volume = "Pilih satuan volume pertama";
    Pick_second_volume = "Pilih satuan volume kedua";
    Pressure = "Tekanan";
    Pick_first_pressure_unit = "Pilih satuan tekanan pertama";
    Pick_second_pressure_unit = "Pilih satuan tekanan kedua";
    Power = "Daya";
    Pick_first_power_unit = "Pilih satuan daya pertama";
    Pick_second_power_unit = "Pilih satuan daya kedua";
    Energy = "Energi";
    Pick_first_energy_unit = "Pilih satuan energi pertama";
    Pick_second_energy_unit = "Pilih satuan energi kedua";
    Time = "Waktu";
    Pick_first_time_unit = "Pilih satuan waktu pertama";
    Pick_second_time_unit = "Pilih satuan waktu kedua";
    Fuel_consumption = "Konsumsi bahan bakar";
    Pick_first_consumption_unit = "Pilih satuan konsumsi pertama";
    Pick_second_consumption_unit = "Pilih satuan konsumsi kedua";
    US_Miles_per_gallon = "[AS]\u00A0Mil per galon";
    Miles_per_liter = "Mil per liter";
    Mile = "Mil (mile, mi)";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Yard = "Yard (yd)";
    Foot = "Kaki (ft)";
    Decimeter = "Desimeter (dm)";
    Inch = "Inci";
    Centimeter = "Sentimeter (cm)";
    Millimeter = "Milimeter (mm)";
    Micrometer = "Mikrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Nautical_mile = "Mil laut (M, NM)";
    Light_second = "Detik cahaya";
    Light_minute = "Menit cahaya (lm)";
    Light_hour = "Jam cahaya (lh)";
    Light_day = "Hari cahaya (ld)";
    Light_year = "Tahun cahaya (ly)";
    Parsec = "Parsec";
    Miles_per_hour = "Mil per jam (mph, mi/h)";
    Kilometer_per_hour = "Kilometer per jam (km/h)";
    Meter_per_second = "Meter per detik (m/s, mps)";
    Foot_per_second = "Kaki per detik";
    Knot = "Knot (kn, kt)";
    Imperial_ton_Long_ton = "Ton Inggris / Ton panjang (tn. l., ts)";
    // Indonesian puts the qualifier after the noun: ton metrik.
    Tonne = "Ton metrik";
    US_Ton_Short_Ton = "Ton Amerika Serikat / Ton pendek (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Pound (lb)";
    // Not "ons": in everyday Indonesian an ons is 100 grams.
    Ounce = "Ounce (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Mil persegi (mi², sqmi)";
    Square_kilometer = "Kilometer persegi (km²)";
    Square_meter = "Meter persegi (m²)";
    Hectare = "Hektare (ha)";
    Acre = "Ekar (ac)";
    Square_centimeter = "Sentimeter persegi (cm²)";
    Square_millimeter = "Milimeter persegi (mm²)";
    Square_inch = "Inci persegi";
    Square_yard = "Yard persegi";
    Square_foot = "Kaki persegi";
    Cubic_meter = "Meter kubik (m³)";
    Imperial_gallon = "Galon imperial";
    US_liquid_gallon = "Galon cair AS (US.liq.gal.)";
    US_dry_gallon = "Galon kering AS (US.dry.gal.)";
    Imperial_quart = "Quart imperial";
    Imperial_pint = "Pint imperial";
    Liter = "Liter (l)";
    US_liquid_quart = "Quart cair AS (US.liq.qt.)";
    US_liquid_pint = "Pint cair AS (US.liq.pt.)";
    US_Fluid_ounce = "[AS] Fluid ounce";
    Imperial_cup = "Cup imperial";
    Deciliter = "Desiliter (dl)";
    Milliliter = "Mililiter (ml)";
    US_Legal_cup = "[AS] Cup resmi";
    Cubic_foot = "Kaki kubik (ft3, cft)";
    Cubic_inch = "Inci kubik (in3, cuin)";
    US_Tablespoon = "[AS] Sendok makan";
    US_Teaspoon = "[AS] Sendok teh";
    Imperial_tablespoon = "Sendok makan imperial";
    Metric_tablespoon = "Sendok makan metrik";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Atmosfer standar (atm)";
    Pascal = "Pascal (Pa)";
    Hectopascal = "Hektopascal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimeter raksa";
    Pounds_per_square_inch = "Pound per inci persegi (psi, lbf/in2)";
    Megawatt = "Megawatt (MW)";
    Kilowatt = "Kilowatt (kW)";
    Metric_horsepower = "Daya kuda metrik (hp(M))";
    Watt = "Watt (W)";
    Year = "Tahun";
    Week = "Minggu (w)";
    Day = "Hari (d)";
    Hour = "Jam (h)";
    Minute = "Menit (min)";
    Second = "Detik (s)";
    Millisecond = "Milidetik (ms)";
    Microsecond = "Mikrodetik (μs)";
    Nanosecond = "Nanodetik (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojoule";
    Calorie = "Kalori";
    Joule = "Joule";
    Zettabyte = "Zettabyte";
    Exabyte = "Exabyte";
    Petabyte = "Petabyte";
    Terabyte = "Terabyte";
    Gigabyte = "Gigabyte";
    Megabyte = "Megabyte";
    Kibibyte = "Kibibyte";
    Kilobyte = "Kilobyte";
    Byte = "Byte";
    Bit = "Bit (bit, b)";
    Temperature = "Suhu";
    Celsius = "Derajat Celsius";
    Fahrenheit = "Derajat Fahrenheit";
    Kelvin = "Kelvin";
    Pick_first_temperature = "Pilih satuan suhu pertama";
    Pick_second_temperature = "Pilih satuan suhu kedua";
    // Recipes write the 15 ml spoon as sdm (sendok makan).
    Metric_Tbsp = "sdm";
    Unit_of_measurement = "Satuan ukuran";
    Conversion_of_units = "Konversi satuan";

    NUM_more_currencies = "%i mata uang lainnya";
    const auto moreUnitsOf = [](const std::string& quantity) {
        return "%i satuan " + quantity + " lainnya";
    };
    NUM_more_lengths = moreUnitsOf("panjang");
    NUM_more_speed_units = moreUnitsOf("kecepatan");
    NUM_more_mass_units = moreUnitsOf("massa");
    NUM_more_area_units = moreUnitsOf("luas");
    NUM_more_units_of_information = moreUnitsOf("informasi");
    NUM_more_volumes = moreUnitsOf("volume");
    NUM_more_pressure_units = moreUnitsOf("tekanan");
    NUM_more_power_units = moreUnitsOf("daya");
    NUM_more_energy_units = moreUnitsOf("energi");
    NUM_more_time_units = moreUnitsOf("waktu");
    NUM_more_temperatures = moreUnitsOf("suhu");
    NUM_more_consumption_units = moreUnitsOf("konsumsi");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Salin";
    E_mail = "Email";
    Paste = "Tempel";
    Key_plus = "tambah";
    Key_plus_hint = "tambahkan angka berikutnya";
    Key_minus = "kurang";
    Key_minus_hint = "kurangi dengan angka berikutnya";
    Key_times = "kali";
    Key_times_hint = "kalikan dengan angka berikutnya";
    Key_divide = "bagi";
    Key_divide_hint = "bagi dengan angka berikutnya";
    Key_equals = "sama dengan";
    Key_equals_hint = "tampilkan hasil";
    Key_clear = "hapus";
    Key_clear_hint = "atur kedua baris ke nol";
    Key_change_sign = "ubah tanda";
    Key_change_sign_hint = "balik tanda angka";
    Key_decimal_separator = "pemisah desimal";
    Key_decimal_separator_hint = "mulai angka desimal";
    Key_switch_units = "tukar satuan";
    Key_switch_units_hint = "pertukarkan kedua satuan";
    Key_choose_units = "pilih satuan";
    Key_choose_units_hint = "pilih kedua satuan";
    Key_calculator = "kalkulator";
    Key_calculator_hint = "mode kalkulator";
    Key_converter = "konverter";
    Key_converter_hint = "mode konverter";
    Currency_rates_not_downloaded =
        "Kurs mata uang belum diunduh. Kurs akan tiba saat Ratio online.";

    composeRegionalNames({{&LocalizedStrings::China_Renminbi, "Yuan (元, CNY, RMB¥, CNH)"}});
}

} // namespace ratio
