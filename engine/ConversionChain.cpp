#include "engine/ConversionChain.h"

namespace ratio {

namespace {

std::optional<BDouble> applyStep(Operator op, const BDouble& value, const BDouble& number) {
    switch (op) {
    case Operator::Addition:
        return value + number;
    case Operator::Subtraction:
        return value - number;
    case Operator::Multiplication:
        return value * number;
    case Operator::Division:
        return value.dividedBy(number);
    }
    return std::nullopt;
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
    for (const MetricsCalculation& step : chain) {
        auto next = applyStep(step.Operator, value, step.Number);
        if (!next)
            return std::nullopt;
        value = std::move(*next);
    }
    return value;
}

std::optional<BDouble> applyBackwards(const MetricsCalculations& chain, BDouble value) {
    for (auto step = chain.rbegin(); step != chain.rend(); ++step) {
        auto next = applyStep(inverse(step->Operator), value, step->Number);
        if (!next)
            return std::nullopt;
        value = std::move(*next);
    }
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
