#include "units/MainScreenModel.h"

#include "engine/ConversionChain.h"
#include "units/UnitResolver.h"

#include <algorithm>
#include <utility>

namespace ratio {

namespace {

constexpr std::string_view spaces = " \t\r\n";

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(spaces);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(spaces) - begin + 1);
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
    placeUnits(first, second, std::move(names));
}

void MainScreenModel::setUnits(const UnitCatalogue& catalogue, UnitPosition first,
                               UnitPosition second, HistoryPair names) {
    leaveNumber();
    refreshUnits(catalogue, first, second, std::move(names));
}

void MainScreenModel::refreshUnits(const UnitCatalogue& catalogue, UnitPosition first,
                                   UnitPosition second, HistoryPair names) {
    placeUnits(first.definition(catalogue), second.definition(catalogue), std::move(names));
    unit0.position = first;
    unit1.position = second;
}

void MainScreenModel::placeUnits(const UnitDefinition& first, const UnitDefinition& second,
                                 HistoryPair names) {
    pairNames = std::move(names);
    unit0 = {first.shortName, first.metricsCalculations, std::nullopt};
    unit1 = {second.shortName, second.metricsCalculations, std::nullopt};
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

std::optional<LocaleNumber> MainScreenModel::readNumber(std::string_view text) const {
    auto number =
        LocaleNumber::read(text, calculator.decimalSeparator, calculator.groupingSeparator);
    if (auto* read = std::get_if<LocaleNumber>(&number))
        return std::move(*read);
    return std::nullopt;
}

bool MainScreenModel::names(const RowUnit& unit, std::string_view name,
                            const UnitResolver* names) const {
    if (!names || !unit.position)
        return !unit.shortName.empty() && name == unit.shortName;
    return names->resolveIn(name, unit.position->category) == unit.position;
}

// The name is looked for first, among the last bytes only (no unit name is
// longer), so a number of any length is read once.
std::optional<LocaleNumber> MainScreenModel::readQuantity(std::string_view text,
                                                          const RowUnit& unit,
                                                          const UnitResolver* names) const {
    text = trimmed(text);
    const std::size_t first =
        text.size() > UnitResolver::longestName ? text.size() - UnitResolver::longestName : 1;
    for (std::size_t at = std::max<std::size_t>(first, 1); at < text.size(); ++at) {
        const std::string_view name = trimmed(text.substr(at));
        const bool boundary = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (boundary && !name.empty() && this->names(unit, name, names))
            if (auto number = readNumber(text.substr(0, at)))
                return number;
    }
    return std::nullopt;
}

bool MainScreenModel::paste(std::string_view text, const UnitResolver* names) {
    if (auto number = readNumber(text); number || (number = readQuantity(text, unit0, names))) {
        calculator.enterNumber(number->value, number->decimalInputPlace);
        history.numberEntered();
        return true;
    }
    const auto quantity = readQuantity(text, unit1, names);
    const auto value = quantity ? convert(quantity->value, unit1.chain, unit0.chain) : std::nullopt;
    if (value) {
        calculator.enterResult(*value);
        history.numberEntered();
    }
    return value.has_value();
}

} // namespace ratio
