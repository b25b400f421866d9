#pragma once

#include "engine/CalculatorDisplayHost.h"
#include "engine/LegacyCalculator.h"
#include "engine/OperatorMode.h"
#include "units/UnitDefinition.h"

#include <functional>
#include <string>

namespace ratio {

// The main screen without a window: two rows, two units and the calculator,
// set up as the screen is at start and driven one key at a time.
class CliSession final : public CalculatorDisplayHost {
  public:
    CliSession(std::string_view decimalSeparator, std::string_view groupingSeparator,
               const UnitDefinition& unit0, const UnitDefinition& unit1, bool calculatorMode);

    // One key of the keypad: 0-9 . + - * / = C N X.
    void press(char key);

    const std::string& row0() const { return row0Text; }
    const std::string& row1() const { return row1Text; }

    std::function<void()> onDivisionByZero;
    std::function<void(const std::string&)>& diagnosticSink() { return calculator.diagnosticSink; }

    bool isConverterMode() const override { return converterMode; }
    std::string shortName0() const override { return unitShortName0; }
    std::string shortName1() const override { return unitShortName1; }
    const MetricsCalculations& metricsCalculations0() const override { return chain0; }
    const MetricsCalculations& metricsCalculations1() const override { return chain1; }
    void setNumber0Text(const std::string& text) override { row0Text = text; }
    void setNumber1Text(const std::string& text) override { row1Text = text; }
    void showDivisionByZeroAlert() override;

  private:
    void switchToConverterMode();
    void switchToCalculatorMode();
    void swapUnits();

    bool converterMode = true;
    std::string unitShortName0, unitShortName1;
    MetricsCalculations chain0, chain1;
    std::string row0Text, row1Text;
    OperatorMode operatorMode;
    LegacyCalculator calculator;
};

} // namespace ratio
