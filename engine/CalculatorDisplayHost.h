#pragma once

#include "engine/MetricsCalculation.h"

#include <string>

namespace ratio {

// What the calculator needs from the screen that shows it: the mode, the
// two units' short names and chains, and the two rows to write. The main
// screen and the command-line front end implement it.
class CalculatorDisplayHost {
  public:
    virtual ~CalculatorDisplayHost() = default;

    virtual bool isConverterMode() const = 0;
    virtual std::string shortName0() const = 0;
    virtual std::string shortName1() const = 0;
    virtual const MetricsCalculations& metricsCalculations0() const = 0;
    virtual const MetricsCalculations& metricsCalculations1() const = 0;

    // A host whose row is absent simply ignores the text.
    virtual void setNumber0Text(const std::string& text) = 0;
    virtual void setNumber1Text(const std::string& text) = 0;
    virtual void showDivisionByZeroAlert() = 0;
};

} // namespace ratio
