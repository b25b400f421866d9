#include "units/MainScreenModel.h"

#include "engine/ConversionChain.h"

#include <utility>

namespace ratio {

namespace {

std::string_view withoutTrailingSpace(std::string_view text) {
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(0, end == std::string_view::npos ? 0 : end + 1);
}

} // namespace

MainScreenModel::MainScreenModel(std::string_view decimalSeparator,
                                 std::string_view groupingSeparator, OperatorMode& operatorMode)
    : calculator(decimalSeparator, groupingSeparator, this, operatorMode), history(operatorMode) {
    showRow0();
    showRow1();
}

void MainScreenModel::showRow0() {
    shown0 = calculator.insertGroupingSeparators(numberText0);
    if (converterMode)
        shown0 += " " + unit0.shortName;
    if (row0Changed)
        row0Changed(shown0);
}

void MainScreenModel::showRow1() {
    shown1 = calculator.insertGroupingSeparators(numberText1) + " " + unit1.shortName;
    if (row1Changed)
        row1Changed(shown1);
}

void MainScreenModel::setNumber0Text(const std::string& text) {
    numberText0 = text;
    showRow0();
}

void MainScreenModel::setNumber1Text(const std::string& text) {
    numberText1 = text;
    showRow1();
}

void MainScreenModel::showDivisionByZeroAlert() {
    dividedByZero = true;
    if (divisionByZero)
        divisionByZero();
}

void MainScreenModel::switchToConverterMode() {
    if (converterMode)
        return;
    converterMode = true;
    showRow0();
}

void MainScreenModel::switchToCalculatorMode() {
    if (!converterMode)
        return;
    converterMode = false;
    showRow0();
}

void MainScreenModel::setUnits(const UnitDefinition& first, const UnitDefinition& second,
                               HistoryPair names) {
    leaveNumber();
    pairNames = std::move(names);
    unit0 = {first.shortName, first.metricsCalculations};
    unit1 = {second.shortName, second.metricsCalculations};
    showRow0();
    showRow1();
}

void MainScreenModel::swapUnits() {
    leaveNumber();
    converterMode = true;
    std::swap(pairNames.unit0, pairNames.unit1);
    std::swap(numberText0, numberText1);
    std::swap(unit0, unit1);
    calculator.swapNumbers();
    showRow0();
    showRow1();
}

void MainScreenModel::press(KeypadKey key) {
    if (key == KeypadKey::SwapUnits) {
        swapUnits();
        return;
    }
    if (key == KeypadKey::Clear)
        leaveNumber();
    history.beforeKey(key, calculator);
    dividedByZero = false;
    pressKeypadKey(calculator, key);
    history.afterKey(key, calculator, dividedByZero);
}

void MainScreenModel::leaveNumber() {
    history.leaveNumber(calculator, pairNames, converterMode);
}

void MainScreenModel::reuse(const BDouble& value) {
    leaveNumber();
    calculator.enterResult(value);
}

void MainScreenModel::press(std::string_view keys) {
    for (std::size_t at = 0; at < keys.size(); ++at)
        if (const auto key = keypadKey(keys.substr(at, 1), "."))
            press(*key);
}

std::optional<LocaleNumber> MainScreenModel::readNumber(std::string_view text,
                                                        std::string_view unit) const {
    text = withoutTrailingSpace(text);
    if (!text.ends_with(unit))
        return std::nullopt;
    text.remove_suffix(unit.size());
    auto number =
        LocaleNumber::read(text, calculator.decimalSeparator, calculator.groupingSeparator);
    if (auto* read = std::get_if<LocaleNumber>(&number))
        return std::move(*read);
    return std::nullopt;
}

bool MainScreenModel::paste(std::string_view text) {
    if (auto number = readNumber(text, unit0.shortName);
        number || (number = readNumber(text, ""))) {
        calculator.enterNumber(number->value, number->decimalInputPlace);
        history.numberEntered();
        return true;
    }
    const auto quantity =
        unit1.shortName.empty() ? std::nullopt : readNumber(text, unit1.shortName);
    const auto value = quantity ? convert(quantity->value, unit1.chain, unit0.chain) : std::nullopt;
    if (value) {
        calculator.enterResult(*value);
        history.numberEntered();
    }
    return value.has_value();
}

} // namespace ratio
