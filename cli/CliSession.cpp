#include "cli/CliSession.h"

#include "engine/KeypadKey.h"

#include <utility>

namespace ratio {

CliSession::CliSession(std::string_view decimalSeparator, std::string_view groupingSeparator,
                       const UnitDefinition& unit0, const UnitDefinition& unit1,
                       bool calculatorMode)
    : unitShortName0(unit0.shortName), unitShortName1(unit1.shortName),
      chain0(unit0.metricsCalculations), chain1(unit1.metricsCalculations),
      calculator(decimalSeparator, groupingSeparator, this, operatorMode) {
    // As the screen starts: converter mode, both rows at zero with their units.
    row0Text = "0 " + unitShortName0;
    row1Text = "0 " + unitShortName1;
    if (calculatorMode)
        switchToCalculatorMode();
}

void CliSession::press(char key) {
    if (key == 'X')
        swapUnits();
    else
        pressKeypadKey(calculator, key);
}

void CliSession::showDivisionByZeroAlert() {
    if (onDivisionByZero)
        onDivisionByZero();
}

void CliSession::switchToConverterMode() {
    if (converterMode)
        return;
    row0Text += " " + unitShortName0;
    converterMode = true;
}

void CliSession::switchToCalculatorMode() {
    if (!converterMode)
        return;
    const std::string suffix = " " + unitShortName0;
    for (auto at = row0Text.find(suffix); at != std::string::npos; at = row0Text.find(suffix, at))
        row0Text.erase(at, suffix.size());
    converterMode = false;
}

// Row 0 takes row 1's number and unit and the other way round; no conversion runs.
void CliSession::swapUnits() {
    switchToConverterMode();
    std::swap(row0Text, row1Text);
    std::swap(unitShortName0, unitShortName1);
    calculator.swapNumbers();
    std::swap(chain0, chain1);
}

} // namespace ratio
