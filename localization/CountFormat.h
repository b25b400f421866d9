// Count texts: "5 more lengths", "1 more length", "3 další měny".
//
// A count text is either a single format, used for every count:
//     "%i more lengths"
// or a list of plural forms, one per CLDR category the language uses, each the
// category's keyword (zero, one, two, few, many, other) and its format in braces,
// separated by spaces:
//     "one{%i more length} other{%i more lengths}"
// The count's category under the language's rule (ICU's) picks the form; a category the
// list leaves out takes the "other" form. Within a format "%i" is the count and
// "%%" a percent sign; everything else, a stray "%s" or lone "%" included, is
// copied as it stands, so a table can never make the formatter read past its
// one argument. A text that is not a well-formed list is a single format.
#pragma once

#include "localization/Localization.h"
#include "localization/PluralCategory.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ratio {

// The text for `count` of a count text in the given language, such as a
// category's `additionalUnitsNumber` (the unit screens call
// formatCount(category.additionalUnitsNumber, hidden, Localization::shared().language)).
std::string formatCount(std::string_view countText, long long count, Language language);

// The forms of a text written as a list, in their order; none for a single format.
using PluralForms = std::vector<std::pair<PluralCategory, std::string_view>>;
std::optional<PluralForms> pluralForms(std::string_view countText);

} // namespace ratio
