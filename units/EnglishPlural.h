#pragma once

#include <string>
#include <string_view>

namespace ratio {

// The plural people type for an English unit name: "Foot" gives "Feet",
// "Inch" "Inches", "Metre per second" "Metres per second", "Thousandth of an
// inch" "Thousandths of an inch". Empty when the name has no plural worth
// adding: it is not plain ASCII, or its counted word already ends in "s"
// ("Celsius", "Miles per hour").
std::string englishPlural(std::string_view name);

} // namespace ratio
