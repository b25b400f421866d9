#pragma once

#include <optional>
#include <string_view>

namespace ratio {

// The plural categories of CLDR: a language's rule sorts every count into one
// of them, and a count text gives one form per category the language uses.
enum class PluralCategory { Zero, One, Two, Few, Many, Other };

// The keyword a count text names the category by ("zero", "one", ..., "other").
std::string_view pluralCategoryName(PluralCategory category);

// The category of a keyword; none for any other text, letter case included.
std::optional<PluralCategory> pluralCategoryNamed(std::string_view name);

} // namespace ratio
