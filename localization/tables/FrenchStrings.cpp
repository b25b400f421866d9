#include "localization/tables/FrenchStrings.h"

namespace ratio {

const std::vector<std::string_view> FrenchStrings::sameAsBritish = {};

FrenchStrings::FrenchStrings() {}

} // namespace ratio
