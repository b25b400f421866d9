#include "cli/CatalogueListing.h"

#include "cli/CurrencyLoading.h"
#include "cli/UsageError.h"
#include "localization/TextFolding.h"
#include "units/CurrencyRates.h"

#include <charconv>
#include <ostream>

namespace ratio {

namespace {

void printCategory(const CliContext& context, std::size_t c) {
    const Category& category = context.catalogue[c];
    context.output << "#\t" << c << '\t' << category.nameSingle;
    if (c == 0 && !carriesRatesOfADocument(category))
        context.output << " (no rates known; " << CurrencyLoading::missingRatesHint << ')';
    context.output << '\n';
    const auto& units = category.unitDefinitions;
    for (std::size_t u = 0; u < units.size(); ++u)
        context.output << c << '\t' << u << '\t' << units[u].longName << '\t' << units[u].shortName
                       << '\t' << (units[u].added ? 1 : 0) << '\n';
}

} // namespace

std::optional<std::size_t> CatalogueListing::findCategory(const CliContext& context,
                                                          const std::string& name) {
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), index);
    if (error == std::errc() && end == name.data() + name.size())
        return index < context.catalogue.size() ? std::optional(index) : std::nullopt;
    const std::string wanted = foldCase(name);
    for (std::size_t c = 0; c < context.catalogue.size(); ++c) {
        // The currency category's name ends in its date; compare the word alone.
        const std::string british = foldCase(context.british()[c].nameSingle);
        const std::string active = foldCase(context.catalogue[c].nameSingle);
        for (const std::string& candidate : {active, british})
            if (candidate == wanted || (c == 0 && candidate.starts_with(wanted + " ")))
                return c;
    }
    return std::nullopt;
}

void CatalogueListing::print(const CliContext& context,
                             const std::optional<std::string>& category) {
    if (!category) {
        for (std::size_t c = 0; c < context.catalogue.size(); ++c)
            printCategory(context, c);
        return;
    }
    const auto found = findCategory(context, *category);
    if (!found)
        throw UsageError("unknown category '" + *category + "': give its index (0 to " +
                         std::to_string(context.catalogue.size() - 1) +
                         ") or its name as the headings of --list show it");
    printCategory(context, *found);
}

} // namespace ratio
