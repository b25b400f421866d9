#include "cli/LineConverter.h"

#include "engine/ConversionChain.h"
#include "engine/LocaleNumber.h"

namespace ratio {

namespace {
// Enough for any batch's distinct pairs; past it, the memory starts again.
constexpr std::size_t maximumRememberedPairs = 4096;
// Some thousands of failed pairs of names of everyday length.
constexpr std::size_t maximumFailedBytes = 1 << 20;

// The value, or none with `problem` saying why.
std::optional<BDouble> valueOf(std::string_view value, std::string_view decimalSeparator,
                               std::string_view groupingSeparator, std::string& problem) {
    auto read = LocaleNumber::read(value, decimalSeparator, groupingSeparator);
    if (auto* number = std::get_if<LocaleNumber>(&read))
        return std::move(number->value);
    const std::string quoted = "'" + std::string(value) + "'";
    problem = std::get<LocaleNumber::Problem>(read) == LocaleNumber::Problem::ExponentOutOfRange
                  ? "exponent out of range (at most " +
                        std::to_string(LocaleNumber::maximumExponent) + "): " + quoted
                  : "not a decimal number: " + quoted;
    return std::nullopt;
}
} // namespace

LineConverter::LineConverter(const UnitCatalogue& catalogue, const UnitResolver& resolver,
                             std::string_view decimalSeparator, std::string_view groupingSeparator,
                             const ResultFormat& format)
    : catalogue(catalogue), resolver(resolver), text(format, decimalSeparator, groupingSeparator),
      withUnit(!format.plain), decimalSeparator(decimalSeparator),
      groupingSeparator(groupingSeparator), failed(maximumFailedBytes) {}

const LineConverter::Resolved* LineConverter::resolve(std::string_view from, std::string_view to,
                                                      std::string& problem) {
    if (auto refused = UnitResolver::overlongName(from, to)) { // never remembered
        problem = std::move(*refused);
        return nullptr;
    }
    key.assign(from);
    key.push_back('\t');
    key.append(to);
    if (auto found = resolved.find(key); found != resolved.end())
        return &found->second;
    if (const std::string* known = failed.find(key)) {
        problem = *known;
        return nullptr;
    }
    auto pair = resolver.resolvePair(from, to);
    if (auto* message = std::get_if<std::string>(&pair)) {
        failed.remember(key, *message);
        problem = std::move(*message);
        return nullptr;
    }
    if (resolved.size() >= maximumRememberedPairs)
        resolved.clear();
    const auto& units = std::get<UnitResolver::Pair>(pair);
    const auto& fromChain = units.from.definition(catalogue).metricsCalculations;
    const auto& toChain = units.to.definition(catalogue).metricsCalculations;
    Resolved entry{units, std::nullopt};
    const auto atZero = convert(0, fromChain, toChain);
    const auto atOne = convert(1, fromChain, toChain);
    if (atZero && atOne)
        entry.map.emplace(*atOne - *atZero, *atZero);
    return &resolved.emplace(key, std::move(entry)).first->second;
}

bool LineConverter::convertLine(std::string_view value, std::string_view from, std::string_view to,
                                std::string& out, std::string& problem) {
    const auto number = valueOf(value, decimalSeparator, groupingSeparator, problem);
    if (!number)
        return false;
    const Resolved* units = resolve(from, to, problem);
    if (!units)
        return false;
    if (!units->map) {
        problem = "the conversion divides by zero";
        return false;
    }
    text.append(*units->map, *number, out);
    if (withUnit) {
        out += ' ';
        out += units->pair.to.definition(catalogue).shortName;
    }
    return true;
}

} // namespace ratio
