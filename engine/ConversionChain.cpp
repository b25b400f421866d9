#include "engine/ConversionChain.h"

namespace ratio {

namespace {

// In place; false when the step would divide by zero.
bool applyStep(Operator op, BDouble& value, const BDouble& number) {
    switch (op) {
    case Operator::Addition:
        value += number;
        return true;
    case Operator::Subtraction:
        value -= number;
        return true;
    case Operator::Multiplication:
        value *= number;
        return true;
    case Operator::Division:
        return value.divideBy(number);
    }
    return false;
}

Operator inverse(Operator op) {
    switch (op) {
    case Operator::Addition:
        return Operator::Subtraction;
    case Operator::Subtraction:
        return Operator::Addition;
    case Operator::Multiplication:
        return Operator::Division;
    case Operator::Division:
        return Operator::Multiplication;
    }
    return op;
}

} // namespace

std::optional<BDouble> applyForwards(const MetricsCalculations& chain, BDouble value) {
    for (const MetricsCalculation& step : chain)
        if (!applyStep(step.Operator, value, step.Number))
            return std::nullopt;
    return value;
}

std::optional<BDouble> applyBackwards(const MetricsCalculations& chain, BDouble value) {
    for (auto step = chain.rbegin(); step != chain.rend(); ++step)
        if (!applyStep(inverse(step->Operator), value, step->Number))
            return std::nullopt;
    return value;
}

std::optional<BDouble> convert(const BDouble& value, const MetricsCalculations& from,
                               const MetricsCalculations& to) {
    auto base = applyForwards(from, value);
    if (!base)
        return std::nullopt;
    return applyBackwards(to, std::move(*base));
}

} // namespace ratio
