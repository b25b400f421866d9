#pragma once

#include "engine/CalculatorDisplayHost.h"
#include "engine/KeypadKey.h"
#include "engine/LegacyCalculator.h"

#include <string>
#include <string_view>

namespace ratio::testing {

// A screen stand-in that records what the calculator shows.
struct FakeDisplayHost : CalculatorDisplayHost {
    bool converterMode = false;
    std::string unit0 = "mile", unit1 = "km", row0, row1;
    MetricsCalculations chain0{MetricsCalculation{}}, chain1{MetricsCalculation{}};
    int alerts = 0;

    bool isConverterMode() const override { return converterMode; }
    std::string shortName0() const override { return unit0; }
    std::string shortName1() const override { return unit1; }
    const MetricsCalculations& metricsCalculations0() const override { return chain0; }
    const MetricsCalculations& metricsCalculations1() const override { return chain1; }
    void setNumber0Text(const std::string& text) override { row0 = text; }
    void setNumber1Text(const std::string& text) override { row1 = text; }
    void showDivisionByZeroAlert() override { ++alerts; }
};

// Presses keys as the keypad would (see pressKeypadKey).
inline void press(LegacyCalculator& calculator, std::string_view keys) {
    for (char key : keys)
        pressKeypadKey(calculator, key);
}

} // namespace ratio::testing
