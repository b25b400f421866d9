// The record of every text the user sees, one field per text.
//
// A language table is built in three steps: this base sets every text empty,
// EnglishBritishStrings fills in British English, and the language's own
// class overwrites what it translates (a region's variant class, derived from
// it, then what its words change). Whatever a table leaves alone keeps
// its British English text. These classes are generated from the translation
// files in localization/po/: a field here needs its entry, named by the field,
// in the template ratio.pot.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace ratio {

struct LocalizedStrings {
    LocalizedStrings() = default;
    LocalizedStrings(const LocalizedStrings&) = default;
    LocalizedStrings& operator=(const LocalizedStrings&) = default;
    virtual ~LocalizedStrings() = default;

    std::string China;
    std::string Taiwan;
    std::string Thousandth_of_an_inch;
    std::string Angstrom;
    std::string Fathom;
    std::string Cancel;
    std::string Pick_first_unit;
    std::string Done;
    std::string Back;
    std::string OK_Yes;
    std::string No;
    std::string Share;
    std::string Select_Auswählen;
    std::string Not_Now;
    std::string Clear;
    std::string Search;
    std::string Euro;
    std::string United_States_dollar;
    std::string Japanese_yen;
    std::string UK_Pound_sterling;
    std::string Australian_dollar;
    std::string Canadian_dollar;
    std::string Swiss_franc;
    std::string China_Renminbi;
    std::string Swedish_krona;
    std::string New_Zealand_dollar;
    std::string Mexican_peso;
    std::string Russian_ruble;
    std::string Turkish_lira;
    std::string Indian_rupee;
    std::string Brazilian_real;
    std::string South_Korean_won;
    std::string Bulgarian_lev;
    std::string Czech_koruna;
    std::string Danish_krone;
    std::string Hungarian_forint;
    std::string Polish_złoty;
    std::string Romanian_leu;
    std::string Hong_Kong_dollar;
    std::string Norwegian_krone;
    std::string Icelandic_króna;
    std::string Croatian_kuna;
    std::string Indonesian_rupiah;
    std::string Israeli_new_shekel;
    std::string Malaysian_ringgit;
    std::string Philippine_peso;
    std::string Singapore_dollar;
    std::string Thai_baht;
    std::string South_African_rand;
    std::string Unit;
    std::string Currency;
    std::string NUM_more_currencies;
    std::string Pick_first_currency;
    std::string Pick_second_currency;
    std::string Length;
    std::string NUM_more_lengths;
    std::string Pick_first_length;
    std::string Pick_second_length;
    std::string Speed;
    std::string NUM_more_speed_units;
    std::string Pick_first_speed;
    std::string Pick_second_speed;
    std::string Mass;
    std::string NUM_more_mass_units;
    std::string Pick_first_mass_unit;
    std::string Pick_second_mass_unit;
    std::string Area;
    std::string NUM_more_area_units;
    std::string Pick_first_area_unit;
    std::string Pick_second_area_unit;
    std::string Units_of_information;
    std::string NUM_more_units_of_information;
    std::string Pick_first_unit_of_information;
    std::string Pick_second_unit_of_information;
    std::string Volume;
    std::string NUM_more_volumes;
    std::string Pick_first_volume;
    std::string Pick_second_volume;
    std::string Pressure;
    std::string NUM_more_pressure_units;
    std::string Pick_first_pressure_unit;
    std::string Pick_second_pressure_unit;
    std::string Power;
    std::string NUM_more_power_units;
    std::string Pick_first_power_unit;
    std::string Pick_second_power_unit;
    std::string Energy;
    std::string NUM_more_energy_units;
    std::string Pick_first_energy_unit;
    std::string Pick_second_energy_unit;
    std::string Time;
    std::string NUM_more_time_units;
    std::string Pick_first_time_unit;
    std::string Pick_second_time_unit;
    std::string Fuel_consumption;
    std::string NUM_more_consumption_units;
    std::string Pick_first_consumption_unit;
    std::string Pick_second_consumption_unit;
    std::string US_Miles_per_gallon;
    std::string Miles_per_liter;
    std::string Mile;
    std::string Kilometer;
    std::string Meter;
    std::string Yard;
    std::string Foot;
    std::string Decimeter;
    std::string Inch;
    std::string Centimeter;
    std::string Millimeter;
    std::string Micrometer;
    std::string Nanometer;
    std::string Nautical_mile;
    std::string Light_second;
    std::string Light_minute;
    std::string Light_hour;
    std::string Light_day;
    std::string Light_year;
    std::string Parsec;
    std::string lǐ_length;
    std::string yǐn_length;
    std::string zhàng_length;
    std::string chǐ_length;
    std::string cùn_length;
    std::string fēn_length;
    std::string lí_length;
    std::string háo_length;
    std::string qǐng_area;
    std::string mǔ_area;
    std::string fēn_area;
    std::string lí_area;
    std::string háo_area;
    std::string Miles_per_hour;
    std::string Kilometer_per_hour;
    std::string Meter_per_second;
    std::string Foot_per_second;
    std::string Knot;
    std::string Imperial_ton_Long_ton;
    std::string Tonne;
    std::string US_Ton_Short_Ton;
    std::string Stone;
    std::string Kilogram;
    std::string Pound;
    std::string Ounce;
    std::string Gram;
    std::string Milligram;
    std::string Microgram;
    std::string Square_mile;
    std::string Square_kilometer;
    std::string Square_meter;
    std::string Hectare;
    std::string Acre;
    std::string Square_centimeter;
    std::string Square_millimeter;
    std::string Square_inch;
    std::string Square_yard;
    std::string Square_foot;
    std::string Taiwan_Lê;
    std::string Taiwan_Kah;
    std::string Taiwan_Hun;
    std::string Taiwan_Bó͘;
    std::string Taiwan_Pêⁿ;
    std::string Cubic_meter;
    std::string Imperial_gallon;
    std::string US_liquid_gallon;
    std::string US_dry_gallon;
    std::string Imperial_quart;
    std::string Imperial_pint;
    std::string Liter;
    std::string US_liquid_quart;
    std::string US_liquid_pint;
    std::string US_Fluid_ounce;
    std::string Imperial_cup;
    std::string Deciliter;
    std::string Milliliter;
    std::string US_Legal_cup;
    std::string Cubic_foot;
    std::string Cubic_inch;
    std::string US_Tablespoon;
    std::string US_Teaspoon;
    std::string Imperial_tablespoon;
    std::string Metric_tablespoon;
    std::string Bar;
    std::string Standard_atmosphere;
    std::string Pascal;
    std::string Hectopascal;
    std::string Millibar;
    std::string Torr;
    std::string Millimeter_of_mercury;
    std::string Pounds_per_square_inch;
    std::string Megawatt;
    std::string Kilowatt;
    std::string Metric_horsepower;
    std::string Watt;
    std::string Year;
    std::string Week;
    std::string Day;
    std::string Hour;
    std::string Minute;
    std::string Second;
    std::string Millisecond;
    std::string Microsecond;
    std::string Nanosecond;
    std::string Kilocalorie;
    std::string Kilojoule;
    std::string Calorie;
    std::string Joule;
    std::string Zettabyte;
    std::string Exabyte;
    std::string Petabyte;
    std::string Terabyte;
    std::string Gigabyte;
    std::string Megabyte;
    std::string Kibibyte;
    std::string Kilobyte;
    std::string Byte;
    std::string Bit;
    std::string Temperature;
    std::string Celsius;
    std::string Fahrenheit;
    std::string Kelvin;
    std::string NUM_more_temperatures;
    std::string Pick_first_temperature;
    std::string Pick_second_temperature;
    std::string Metric_Tbsp;
    std::vector<std::string> hp_M{std::string()};
    std::string Unit_of_measurement;
    std::string Conversion_of_units;
    // The share sheet's two ways of sharing.
    std::string Copy;
    std::string E_mail;
    // The number rows' menu entry that brings a number in from the clipboard.
    std::string Paste;
    // What a screen reader says for the keys whose titles are symbols: a name
    // and, in the _hint field, what the key does.
    std::string Key_plus;
    std::string Key_plus_hint;
    std::string Key_minus;
    std::string Key_minus_hint;
    std::string Key_times;
    std::string Key_times_hint;
    std::string Key_divide;
    std::string Key_divide_hint;
    std::string Key_equals;
    std::string Key_equals_hint;
    std::string Key_clear;
    std::string Key_clear_hint;
    std::string Key_change_sign;
    std::string Key_change_sign_hint;
    std::string Key_decimal_separator;
    std::string Key_decimal_separator_hint;
    std::string Key_switch_units;
    std::string Key_switch_units_hint;
    std::string Key_choose_units;
    std::string Key_choose_units_hint;
    std::string Key_calculator;
    std::string Key_calculator_hint;
    std::string Key_converter;
    std::string Key_converter_hint;
    // Why the currency list is empty: no rates have come yet.
    std::string Currency_rates_not_downloaded;
    // The history screen: its title (also the main screen's key), its button
    // that empties it, the question that button asks, and what an empty one says.
    std::string History;
    std::string Clear_history;
    std::string Clear_history_question;
    std::string No_history_yet;
    bool shouldUseSimpleLocalisation = true;

    // Every text field in the template's order, for code that walks a whole table.
    struct TextField {
        const char* name;
        std::string LocalizedStrings::*member;
    };
    static std::span<const TextField> textFields();
};

} // namespace ratio
