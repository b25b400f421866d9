#include "localization/tables/GermanStrings.h"

namespace ratio {

const std::vector<std::string_view> GermanStrings::sameAsBritish = {};

GermanStrings::GermanStrings() {}

} // namespace ratio
