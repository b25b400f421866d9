#include "localization/PluralCategory.h"

#include <array>

namespace ratio {

namespace {

constexpr std::array<std::string_view, 6> names{"zero", "one", "two", "few", "many", "other"};

} // namespace

std::string_view pluralCategoryName(PluralCategory category) {
    return names.at(static_cast<std::size_t>(category));
}

std::optional<PluralCategory> pluralCategoryNamed(std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<PluralCategory>(i);
    return std::nullopt;
}

} // namespace ratio
