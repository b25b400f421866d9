#include "localization/tables/JapaneseStrings.h"

namespace ratio {

const std::vector<std::string_view> JapaneseStrings::sameAsBritish = {};

JapaneseStrings::JapaneseStrings() {}

} // namespace ratio
