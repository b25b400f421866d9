#include "localization/tables/EnglishUSAStrings.h"

namespace ratio {

EnglishUSAStrings::EnglishUSAStrings() {
    Miles_per_liter = "Miles per liter";
    Kilometer = "Kilometer (km)";
    Meter = "Meter (m)";
    Decimeter = "Decimeter (dm)";
    Centimeter = "Centimeter (cm)";
    Millimeter = "Millimeter (mm)";
    Micrometer = "Micrometer (μm)";
    Nanometer = "Nanometer (nm)";
    Kilometer_per_hour = "Kilometers per hour (km/h)";
    Meter_per_second = "Meter per second (m/s, mps)";
    Square_kilometer = "Square kilometer (km²)";
    Square_meter = "Square meter (m²)";
    Square_centimeter = "Square centimeter (cm²)";
    Square_millimeter = "Square millimeter (mm²)";
    Cubic_meter = "Cubic meter (m³)";
    Liter = "Liter (l)";
    Deciliter = "Deciliter (dl)";
    Milliliter = "Milliliter (ml)";
    Millimeter_of_mercury = "Millimeter of mercury";
}

} // namespace ratio
