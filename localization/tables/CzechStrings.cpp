#include "localization/tables/CzechStrings.h"

namespace ratio {

const std::vector<std::string_view> CzechStrings::sameAsBritish = {};

CzechStrings::CzechStrings() {}

} // namespace ratio
