#pragma once

#include "localization/LocalizedStrings.h"

#include <span>
#include <string>

namespace ratio {

// The four fields that present one unit category: its name, the count text
// of its further units and the two prompts for picking units.
struct CategoryTexts {
    std::string LocalizedStrings::*name;
    std::string LocalizedStrings::*moreUnits;
    std::string LocalizedStrings::*pickFirst;
    std::string LocalizedStrings::*pickSecond;
};

// All 13 categories, in the order the unit catalogue presents them.
std::span<const CategoryTexts> categoryTexts();

} // namespace ratio
