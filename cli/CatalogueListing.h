#pragma once

#include "cli/CliContext.h"

#include <optional>
#include <string>

namespace ratio {

// --list [CATEGORY]: a heading line per category ("#", its index, its name;
// the currency category's name carries the date of its rates), then one line
// per unit: category, index, long name, short name, in compact list (1/0),
// tab-separated.
struct CatalogueListing {
    // A category by index or by name (active language or British, any case).
    static std::optional<std::size_t> findCategory(const CliContext& context,
                                                   const std::string& name);
    static void print(const CliContext& context, const std::optional<std::string>& category);
};

} // namespace ratio
