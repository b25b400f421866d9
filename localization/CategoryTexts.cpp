#include "localization/CategoryTexts.h"

#include <array>

namespace ratio {

namespace {

using L = LocalizedStrings;

const std::array<CategoryTexts, 13> allCategories{{
    {&L::Currency, &L::NUM_more_currencies, &L::Pick_first_currency, &L::Pick_second_currency},
    {&L::Length, &L::NUM_more_lengths, &L::Pick_first_length, &L::Pick_second_length},
    {&L::Mass, &L::NUM_more_mass_units, &L::Pick_first_mass_unit, &L::Pick_second_mass_unit},
    {&L::Volume, &L::NUM_more_volumes, &L::Pick_first_volume, &L::Pick_second_volume},
    {&L::Speed, &L::NUM_more_speed_units, &L::Pick_first_speed, &L::Pick_second_speed},
    {&L::Area, &L::NUM_more_area_units, &L::Pick_first_area_unit, &L::Pick_second_area_unit},
    {&L::Units_of_information, &L::NUM_more_units_of_information,
     &L::Pick_first_unit_of_information, &L::Pick_second_unit_of_information},
    {&L::Pressure, &L::NUM_more_pressure_units, &L::Pick_first_pressure_unit,
     &L::Pick_second_pressure_unit},
    {&L::Power, &L::NUM_more_power_units, &L::Pick_first_power_unit, &L::Pick_second_power_unit},
    {&L::Energy, &L::NUM_more_energy_units, &L::Pick_first_energy_unit,
     &L::Pick_second_energy_unit},
    {&L::Time, &L::NUM_more_time_units, &L::Pick_first_time_unit, &L::Pick_second_time_unit},
    {&L::Temperature, &L::NUM_more_temperatures, &L::Pick_first_temperature,
     &L::Pick_second_temperature},
    {&L::Fuel_consumption, &L::NUM_more_consumption_units, &L::Pick_first_consumption_unit,
     &L::Pick_second_consumption_unit},
}};

} // namespace

std::span<const CategoryTexts> categoryTexts() {
    return allCategories;
}

} // namespace ratio
