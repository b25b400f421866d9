#pragma once

#include "engine/CalculatorDisplayHost.h"
#include "engine/KeypadKey.h"
#include "engine/LegacyCalculator.h"

#include <string>
#include <string_view>

namespace ratio::testing {

// The least a calculator needs to run: chains, and rows that keep the number texts.
struct RowRecorder : CalculatorDisplayHost {
    std::string row0, row1;
    MetricsCalculations chain0{MetricsCalculation{}}, chain1{MetricsCalculation{}};

    const MetricsCalculations& metricsCalculations0() const override { return chain0; }
    const MetricsCalculations& metricsCalculations1() const override { return chain1; }
    void setNumber0Text(const std::string& text) override { row0 = text; }
    void setNumber1Text(const std::string& text) override { row1 = text; }
    void showDivisionByZeroAlert() override {}
};

// Presses keys written as ratio-cli's key sequences ("." the separator key).
inline void press(LegacyCalculator& calculator, std::string_view keys) {
    for (std::size_t at = 0; at < keys.size(); ++at)
        if (const auto key = keypadKey(keys.substr(at, 1), "."))
            pressKeypadKey(calculator, *key);
}

} // namespace ratio::testing
