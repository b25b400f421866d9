#include "localization/tables/TurkishStrings.h"

#include <string>

namespace ratio {

// Symbols and names Turkish writes exactly as British English does.
const std::vector<std::string_view> TurkishStrings::sameAsBritish = {
    "Euro", "Kilometer", "Meter", "Nanometer", "Knot", "Stone",  "Kilogram",
    "Gram", "Liter",     "Bar",   "Torr",      "Bit",  "Kelvin",
    // The history screen's texts, until they are translated.
    "History", "Clear_history", "Clear_history_question", "No_history_yet",
};

TurkishStrings::TurkishStrings() {
    China = "Çin";
    Taiwan = "Tayvan";
    Thousandth_of_an_inch = "İnçin binde biri";
    Angstrom = "Angström (Å)";
    Fathom = "Kulaç";
    Cancel = "İptal";
    Pick_first_unit = "İlk birimi seçin";
    Done = "Bitti";
    Back = "Geri";
    OK_Yes = "Tamam";
    No = "Hayır";
    Share = "Paylaş";
    Select_Auswählen = "Seç";
    Not_Now = "Şimdi Değil";
    Clear = "Temizle";
    Search = "Ara";
    Euro = "Euro (€, EUR)";
    United_States_dollar = "ABD Doları ($, USD)";
    Japanese_yen = "Japon Yeni (¥, JPY, 円)";
    // The name already says British, so no region bracket.
    UK_Pound_sterling = "İngiliz Sterlini (£, GBP)";
    Australian_dollar = "Avustralya Doları ($A, AUD, $)";
    Canadian_dollar = "Kanada Doları (Can$, CAD, $)";
    Swiss_franc = "İsviçre Frangı (SFr., CHF, Fr.)";
    Swedish_krona = "İsveç Kronu (Skr, kr, SEK)";
    New_Zealand_dollar = "Yeni Zelanda Doları (NZ$, NZD, $)";
    Mexican_peso = "Meksika Pesosu (Mex$, MXN, $)";
    Russian_ruble = "Rus Rublesi (₽, RUB, руб)";
    Turkish_lira = "Türk Lirası (₺, TRY, TL)";
    Indian_rupee = "Hindistan Rupisi (₹, INR)";
    Brazilian_real = "Brezilya Reali (R$, BRL)";
    South_Korean_won = "Güney Kore Wonu (₩, KRW)";
    Bulgarian_lev = "Bulgar Levası (лв, BGN)";
    Czech_koruna = "Çek Korunası (Kč, CZK)";
    Danish_krone = "Danimarka Kronu (kr., DKK, dkr.)";
    Hungarian_forint = "Macar Forinti (Ft, HUF)";
    Polish_złoty = "Polonya Zlotisi (zł, PLN)";
    Romanian_leu = "Romen Leyi (L, RON)";
    Hong_Kong_dollar = "Hong Kong Doları (HK$, HKD)";
    Norwegian_krone = "Norveç Kronu (NOK, kr)";
    Icelandic_króna = "İzlanda Kronu (ISK, kr, ikr)";
    Croatian_kuna = "Hırvatistan Kunası (HRK, kn)";
    Indonesian_rupiah = "Endonezya Rupisi (IDR, Rp)";
    Israeli_new_shekel = "Yeni İsrail Şekeli (ILS, ₪)";
    Malaysian_ringgit = "Malezya Ringgiti (MYR, RM)";
    Philippine_peso = "Filipinler Pesosu (PHP, ₱)";
    Singapore_dollar = "Singapur Doları (SGD, S$, $)";
    Thai_baht = "Tayland Bahtı (THB, ฿)";
    South_African_rand = "Güney Afrika Randı (ZAR, R)";
    Unit = "Birim";
    Currency = "Para birimi";
    Pick_first_currency = "İlk para birimini seçin";
    Pick_second_currency = "İkinci para birimini seçin";
    Length = "Uzunluk";
    Pick_first_length = "İlk uzunluk birimini seçin";
    Pick_second_length = "İkinci uzunluk birimini seçin";
    Speed = "Hız";
    Pick_first_speed = "İlk hız birimini seçin";
    Pick_second_speed = "İkinci hız birimini seçin";
    Mass = "Kütle";
    Pick_first_mass_unit = "İlk kütle birimini seçin";
    Pick_second_mass_unit = "İkinci kütle birimini seçin";
    Area = "Alan";
    Pick_first_area_unit = "İlk alan birimini seçin";
    Pick_second_area_unit = "İkinci alan birimini seçin";
    Units_of_information = "Bilgi birimleri";
    Pick_first_unit_of_information = "İlk bilgi birimini seçin";
    Pick_second_unit_of_information = "İkinci bilgi birimini seçin";
    Volume = "Hacim";
    Pick_first_volume = "İlk hacim birimini seçin";
    Pick_second_volume = "İkinci hacim birimini seçin";
    Pressure = "Basınç";
    Pick_first_pressure_unit = "İlk basınç birimini seçin";
    Pick_second_pressure_unit = "İkinci basınç birimini seçin";
    Power = "Güç";
    Pick_first_power_unit = "İlk güç birimini seçin";
    Pick_second_power_unit = "İkinci güç birimini seçin";
    Energy = "Enerji";
    Pick_first_energy_unit = "İlk enerji birimini seçin";
    Pick_second_energy_unit = "İkinci enerji birimini seçin";
    Time = "Zaman";
    Pick_first_time_unit = "İlk zaman birimini seçin";
    Pick_second_time_unit = "İkinci zaman birimini seçin";
    Fuel_consumption = "Yakıt tüketimi";
    Pick_first_consumption_unit = "İlk tüketim birimini seçin";
    Pick_second_consumption_unit = "İkinci tüketim birimini seçin";
    US_Miles_per_gallon = "[ABD]\u00A0Galon başına mil";
    Miles_per_liter = "Litre başına mil";
    Mile = "Mil (mile, mi)";
    Kilometer = "Kilometre (km)";
    Meter = "Metre (m)";
    Yard = "Yarda (yd)";
    Foot = "Fit (ft)";
    Decimeter = "Desimetre (dm)";
    Inch = "İnç";
    Centimeter = "Santimetre (cm)";
    Millimeter = "Milimetre (mm)";
    Micrometer = "Mikrometre (μm)";
    Nanometer = "Nanometre (nm)";
    Nautical_mile = "Deniz mili (M, NM)";
    Light_second = "Işık saniyesi";
    Light_minute = "Işık dakikası (lm)";
    Light_hour = "Işık saati (lh)";
    Light_day = "Işık günü (ld)";
    Light_year = "Işık yılı (ly)";
    Parsec = "Parsek";
    Miles_per_hour = "Saatte mil (mph, mi/h)";
    Kilometer_per_hour = "Saatte kilometre (km/h)";
    Meter_per_second = "Saniyede metre (m/s, mps)";
    Foot_per_second = "Saniyede fit";
    Knot = "Knot (kn, kt)";
    Imperial_ton_Long_ton = "İngiliz tonu / Uzun ton (tn. l., ts)";
    Tonne = "Ton";
    US_Ton_Short_Ton = "Amerikan tonu / Kısa ton (tn. sh.)";
    Stone = "Stone";
    Kilogram = "Kilogram (kg)";
    Pound = "Libre (lb)";
    Ounce = "Ons (oz.)";
    Gram = "Gram (g)";
    Milligram = "Miligram (mg)";
    Microgram = "Mikrogram (μg)";
    Square_mile = "Mil kare (mi², sqmi)";
    Square_kilometer = "Kilometrekare (km²)";
    Square_meter = "Metrekare (m²)";
    Hectare = "Hektar (ha)";
    Acre = "Akre (ac)";
    Square_centimeter = "Santimetrekare (cm²)";
    Square_millimeter = "Milimetrekare (mm²)";
    Square_inch = "İnç kare";
    Square_yard = "Yarda kare";
    Square_foot = "Fit kare";
    Cubic_meter = "Metreküp (m³)";
    Imperial_gallon = "İngiliz galonu";
    US_liquid_gallon = "ABD sıvı galonu (US.liq.gal.)";
    US_dry_gallon = "ABD kuru galonu (US.dry.gal.)";
    Imperial_quart = "İngiliz quartı";
    Imperial_pint = "İngiliz pinti";
    Liter = "Litre (l)";
    US_liquid_quart = "ABD sıvı quartı (US.liq.qt.)";
    US_liquid_pint = "ABD sıvı pinti (US.liq.pt.)";
    US_Fluid_ounce = "[ABD] Sıvı ons";
    Imperial_cup = "İngiliz su bardağı";
    Deciliter = "Desilitre (dl)";
    Milliliter = "Mililitre (ml)";
    US_Legal_cup = "[ABD] Yasal su bardağı";
    Cubic_foot = "Fit küp (ft3, cft)";
    Cubic_inch = "İnç küp (in3, cuin)";
    US_Tablespoon = "[ABD] Yemek kaşığı";
    US_Teaspoon = "[ABD] Çay kaşığı";
    Imperial_tablespoon = "İngiliz yemek kaşığı";
    Metric_tablespoon = "Metrik yemek kaşığı";
    Bar = "Bar (bar)";
    Standard_atmosphere = "Standart atmosfer (atm)";
    Pascal = "Paskal (Pa)";
    Hectopascal = "Hektopaskal";
    Millibar = "Milibar";
    Torr = "Torr";
    Millimeter_of_mercury = "Milimetre cıva";
    Pounds_per_square_inch = "İnç kare başına libre (psi, lbf/in2)";
    Megawatt = "Megavat (MW)";
    Kilowatt = "Kilovat (kW)";
    // Turkish writes BG (beygir gücü); the row keeps hp(M).
    Metric_horsepower = "Beygir gücü (BG, hp(M))";
    Watt = "Vat (W)";
    Year = "Yıl";
    Week = "Hafta (w)";
    Day = "Gün (d)";
    Hour = "Saat (h)";
    Minute = "Dakika (min)";
    Second = "Saniye (s)";
    Millisecond = "Milisaniye (ms)";
    Microsecond = "Mikrosaniye (μs)";
    Nanosecond = "Nanosaniye (ns)";
    Kilocalorie = "Kilokalori";
    Kilojoule = "Kilojul";
    Calorie = "Kalori";
    Joule = "Jul";
    Zettabyte = "Zettabayt";
    Exabyte = "Eksabayt";
    Petabyte = "Petabayt";
    Terabyte = "Terabayt";
    Gigabyte = "Gigabayt";
    Megabyte = "Megabayt";
    Kibibyte = "Kibibayt";
    Kilobyte = "Kilobayt";
    Byte = "Bayt";
    Temperature = "Sıcaklık";
    Celsius = "Santigrat derece";
    Fahrenheit = "Fahrenhayt derece";
    Pick_first_temperature = "İlk sıcaklık birimini seçin";
    Pick_second_temperature = "İkinci sıcaklık birimini seçin";
    // Recipes write the 15 ml spoon as "yk" (yemek kaşığı).
    Metric_Tbsp = "yk";
    Unit_of_measurement = "Ölçü birimi";
    Conversion_of_units = "Birim dönüştürme";

    // A Turkish noun stays singular after any number, so both forms read alike.
    NUM_more_currencies = "one{%i para birimi daha} other{%i para birimi daha}";
    const auto moreUnitsOf = [](const std::string& kind) {
        return "one{%i " + kind + " birimi daha} other{%i " + kind + " birimi daha}";
    };
    NUM_more_lengths = moreUnitsOf("uzunluk");
    NUM_more_speed_units = moreUnitsOf("hız");
    NUM_more_mass_units = moreUnitsOf("kütle");
    NUM_more_area_units = moreUnitsOf("alan");
    NUM_more_units_of_information = moreUnitsOf("bilgi");
    NUM_more_volumes = moreUnitsOf("hacim");
    NUM_more_pressure_units = moreUnitsOf("basınç");
    NUM_more_power_units = moreUnitsOf("güç");
    NUM_more_energy_units = moreUnitsOf("enerji");
    NUM_more_time_units = moreUnitsOf("zaman");
    NUM_more_temperatures = moreUnitsOf("sıcaklık");
    NUM_more_consumption_units = moreUnitsOf("tüketim");

    // The share sheet and what a screen reader says for the symbol keys.
    Copy = "Kopyala";
    E_mail = "E-posta";
    Paste = "Yapıştır";
    Key_plus = "Artı";
    Key_plus_hint = "Sonraki sayıyı ekle";
    Key_minus = "Eksi";
    Key_minus_hint = "Sonraki sayıyı çıkar";
    Key_times = "Çarpı";
    Key_times_hint = "Sonraki sayıyla çarp";
    Key_divide = "Bölü";
    Key_divide_hint = "Sonraki sayıya böl";
    Key_equals = "Eşittir";
    Key_equals_hint = "Sonucu göster";
    Key_clear = "Temizle";
    Key_clear_hint = "İki satırı da sıfırla";
    Key_change_sign = "İşaret değiştir";
    Key_change_sign_hint = "Sayının işaretini tersine çevir";
    Key_decimal_separator = "Ondalık ayırıcı";
    Key_decimal_separator_hint = "Ondalık basamakları başlat";
    Key_switch_units = "Birimlerin yerini değiştir";
    Key_switch_units_hint = "İki birimin yerini değiştir";
    Key_choose_units = "Birimleri seç";
    Key_choose_units_hint = "İki birimi seç";
    Key_calculator = "Hesap makinesi";
    Key_calculator_hint = "Hesap makinesi modu";
    Key_converter = "Dönüştürücü";
    Key_converter_hint = "Dönüştürücü modu";
    Currency_rates_not_downloaded =
        "Döviz kurları henüz indirilmedi. Ratio çevrimiçi olunca gelecekler.";

    composeRegionalNames();
}

} // namespace ratio
