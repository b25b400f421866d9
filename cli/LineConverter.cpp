#include "cli/LineConverter.h"

#include "cli/ValueText.h"
#include "engine/ConversionChain.h"

namespace ratio {

namespace {
// Enough for any batch's distinct pairs; past it, pairs are resolved each time.
constexpr std::size_t maximumRememberedPairs = 4096;
} // namespace

LineConverter::LineConverter(const UnitCatalogue& catalogue, const UnitResolver& resolver,
                             std::string_view decimalSeparator, std::string_view groupingSeparator)
    : catalogue(catalogue), resolver(resolver), text(decimalSeparator, groupingSeparator) {}

const UnitResolver::Pair* LineConverter::resolve(std::string_view from, std::string_view to,
                                                 std::string& problem) {
    key.assign(from);
    key.push_back('\t');
    key.append(to);
    if (auto found = resolved.find(key); found != resolved.end())
        return &found->second;
    auto pair = resolver.resolvePair(from, to);
    if (auto* message = std::get_if<std::string>(&pair)) {
        problem = std::move(*message);
        return nullptr;
    }
    if (resolved.size() >= maximumRememberedPairs)
        resolved.clear();
    return &resolved.emplace(key, std::get<UnitResolver::Pair>(pair)).first->second;
}

bool LineConverter::convertLine(std::string_view value, std::string_view from, std::string_view to,
                                std::string& out, std::string& problem) {
    const auto number = ValueText::parse(value, &problem);
    if (!number)
        return false;
    const UnitResolver::Pair* units = resolve(from, to, problem);
    if (!units)
        return false;
    const UnitDefinition& target = units->to.definition(catalogue);
    const auto converted = convert(*number, units->from.definition(catalogue).metricsCalculations,
                                   target.metricsCalculations);
    if (!converted) {
        problem = "the conversion divides by zero";
        return false;
    }
    out += text.insertGroupingSeparators(text.resultText(*converted));
    out += ' ';
    out += target.shortName;
    return true;
}

} // namespace ratio
