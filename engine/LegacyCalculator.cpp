#include "engine/LegacyCalculator.h"

#include "engine/ConversionChain.h"

#include <utility>

namespace ratio {

namespace {

const MetricsCalculations identityChain{MetricsCalculation{}};

bool isDecimalStatus(Status status) {
    return status == Status::DecimalEntered || status == Status::DecimalEnteredInCalculation;
}

bool startsNewNumber(Status status) {
    return status == Status::Cleared || status == Status::CalculationStart;
}

} // namespace

LegacyCalculator::LegacyCalculator(std::string_view decimalSeparator,
                                   std::string_view groupingSeparator, CalculatorDisplayHost* host,
                                   OperatorMode& operatorMode)
    : BaseCalculator(decimalSeparator, groupingSeparator), host(host), operatorMode(operatorMode) {}

void LegacyCalculator::showNumber0(const std::string& numberText) {
    if (host)
        host->setNumber0Text(numberText);
}

void LegacyCalculator::showNumber1(const std::string& numberText) {
    if (host)
        host->setNumber1Text(numberText);
}

void LegacyCalculator::enterDigit(int digit) {
    const bool beginsSecondOperand =
        mode() != Mode::None && !CalculationInputBegan && !isDecimalStatus(status);
    if (beginsSecondOperand) {
        DecimalInputPlace = -1;
        Number0 = BDouble(digit);
        showNumber0(std::to_string(digit));
    } else {
        // The sign is read first, so a new number keeps the sign of the result it replaces.
        appendDigit(Number0.isNegative() ? -digit : digit);
    }
    updateConversion();
    enteredInteger();
    CalculationInputBegan = true;
}

void LegacyCalculator::enteredInteger() {
    if (startsNewNumber(status))
        status =
            mode() != Mode::None ? Status::IntegerEnteredInCalculation : Status::IntegerEntered;
}

void LegacyCalculator::appendDigit(int signedDigit) {
    if (InputEnded) {
        InputEnded = false;
        Number0 = 0;
        Number1 = 0;
        DecimalInputPlace = -1;
    }
    if (DecimalInputPlace >= 0) {
        if (diagnosticSink)
            diagnosticSink("DecimalSeparatorInputPlace " + std::to_string(DecimalInputPlace));
        const unsigned long place = static_cast<unsigned long>(DecimalInputPlace) + 1;
        Number0 = Number0 + BDouble(signedDigit) * BDouble::tenToTheMinus(place);
        ++DecimalInputPlace;
    } else {
        static const BDouble ten(10);
        Number0 *= ten;
        Number0 += BDouble(signedDigit);
    }
    showNumber0(entryText(Number0, DecimalInputPlace));
}

void LegacyCalculator::enterDecimalSeparator() {
    if (startsNewNumber(status) || InputEnded) {
        InputEnded = false;
        Number0 = 0;
        Number1 = 0;
        DecimalInputPlace = -1;
        updateConversion();
    }
    if (DecimalInputPlace == -1) {
        DecimalInputPlace = 0;
        showNumber0(separatorText(Number0));
    }
    status = mode() != Mode::None ? Status::DecimalEnteredInCalculation : Status::DecimalEntered;
}

void LegacyCalculator::selectOperator(Mode newMode) {
    evaluate();
    storeOperand();
    operatorMode.setModeEnum(newMode);
    status = Status::CalculationStart;
}

void LegacyCalculator::storeOperand() {
    CalculationNum = Number0;
    CalculationInputBegan = false;
    DecimalInputPlace = -1;
    InputEnded = false;
}

void LegacyCalculator::evaluate() {
    status = Status::Cleared;
    if (CalculationInputBegan) {
        switch (mode()) {
        case Mode::Addition:
            Number0 = Number0 + CalculationNum;
            break;
        case Mode::Subtraction:
            Number0 = CalculationNum - Number0;
            break;
        case Mode::Multiplication:
            Number0 = Number0 * CalculationNum;
            break;
        case Mode::Division:
            if (auto quotient = CalculationNum.dividedBy(Number0))
                Number0 = std::move(*quotient);
            else if (host)
                host->showDivisionByZeroAlert();
            break;
        case Mode::None:
            break;
        }
        showNumber0(resultText(Number0));
        updateConversion();
    }
    operatorMode.setModeEnum(Mode::None);
    CalculationInputBegan = false;
    InputEnded = true;
    DecimalInputPlace = -1;
}

void LegacyCalculator::clear() {
    showNumber0("0");
    showNumber1("0");
    Number0 = 0;
    Number1 = 0;
    DecimalInputPlace = -1;
    CalculationInputBegan = false;
    InputEnded = true;
    operatorMode.setModeEnum(Mode::None);
    status = Status::Cleared;
    updateConversion();
}

// A number from elsewhere stands for the operand being typed: after an
// operator it is the second operand, otherwise it starts a number.
void LegacyCalculator::enterNumber(const BDouble& number, int decimalInputPlace) {
    const bool inCalculation = mode() != Mode::None;
    Number0 = number;
    CalculationInputBegan = true;
    InputEnded = false;
    DecimalInputPlace = decimalInputPlace < 0 ? -1 : decimalInputPlace;
    if (DecimalInputPlace >= 0)
        status = inCalculation ? Status::DecimalEnteredInCalculation : Status::DecimalEntered;
    else
        status = inCalculation ? Status::IntegerEnteredInCalculation : Status::IntegerEntered;
    showNumber0(entryText(Number0, DecimalInputPlace));
    updateConversion();
}

void LegacyCalculator::enterResult(const BDouble& number) {
    const bool inCalculation = mode() != Mode::None;
    Number0 = number;
    // As an operand it still counts; the next digit starts a number either way.
    CalculationInputBegan = inCalculation;
    InputEnded = true;
    DecimalInputPlace = -1;
    status = inCalculation ? Status::IntegerEnteredInCalculation : Status::Cleared;
    showNumber0(resultText(Number0));
    updateConversion();
}

void LegacyCalculator::changeSign() {
    Number0.negate();
    // A result such as 2.5 has no typed places; its whole-number text would be a wrong value.
    const bool untypedFraction = DecimalInputPlace == -1 && !Number0.isInteger();
    showNumber0(untypedFraction ? resultText(Number0) : entryText(Number0, DecimalInputPlace));
    updateConversion();
}

void LegacyCalculator::updateConversion() {
    const MetricsCalculations& from = host ? host->metricsCalculations0() : identityChain;
    const MetricsCalculations& to = host ? host->metricsCalculations1() : identityChain;
    auto converted = convert(Number0, from, to);
    if (!converted)
        return; // a chain that divides by zero leaves row 1 as it was
    Number1 = std::move(*converted);
    showNumber1(resultText(Number1));
}

void LegacyCalculator::swapNumbers() {
    std::swap(Number0, Number1);
    CalculationInputBegan = false;
    DecimalInputPlace = -1;
    InputEnded = true;
    operatorMode.setModeEnum(Mode::None);
}

} // namespace ratio
