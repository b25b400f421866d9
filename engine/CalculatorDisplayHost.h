#pragma once

#include "engine/MetricsCalculation.h"

#include <string>

namespace ratio {

// What the calculator needs from the screen that shows it: the two units'
// chains, and the two rows' numbers to show. The numbers come as number
// texts with the locale's decimal separator; grouping them and adding the
// units is the screen's (MainScreenModel).
class CalculatorDisplayHost {
  public:
    virtual ~CalculatorDisplayHost() = default;

    virtual const MetricsCalculations& metricsCalculations0() const = 0;
    virtual const MetricsCalculations& metricsCalculations1() const = 0;

    virtual void setNumber0Text(const std::string& text) = 0;
    virtual void setNumber1Text(const std::string& text) = 0;
    virtual void showDivisionByZeroAlert() = 0;
};

} // namespace ratio
