// The four-function calculator behind the keypad.
//
// A key changes the state below, row 0's number text is written from
// Number0, and updateConversion takes Number0 through the two units' chains
// into Number1 and row 1's number text. Operators work strictly from left to
// right.
#pragma once

#include "engine/BaseCalculator.h"
#include "engine/CalculatorDisplayHost.h"
#include "engine/OperatorMode.h"

#include <functional>
#include <string>

namespace ratio {

class LegacyCalculator : public BaseCalculator {
  public:
    enum class Status {
        Cleared,
        IntegerEntered,
        DecimalEntered,
        CalculationStart,
        IntegerEnteredInCalculation,
        DecimalEnteredInCalculation
    };

    // `host` may be null (no screen): the rows are then not written and both
    // units convert as the identity.
    LegacyCalculator(std::string_view decimalSeparator, std::string_view groupingSeparator,
                     CalculatorDisplayHost* host,
                     OperatorMode& operatorMode = OperatorMode::shared());

    void enterDigit(int digit);
    void enterDecimalSeparator();
    void selectOperator(Mode mode);
    void evaluate();
    void clear();
    void changeSign();
    void updateConversion();
    // `number` as if it had just been typed, with `decimalInputPlace` places
    // (-1: no separator), at the cost of one key however long it is: after an
    // operator it is the second operand, otherwise it replaces row 0's number.
    // A number being typed is replaced, its pending operation kept.
    void enterNumber(const BDouble& number, int decimalInputPlace);
    // `number` as a finished value: shown to 8 places, the operand of a
    // pending operation, and the next digit starts a new number.
    void enterResult(const BDouble& number);

    // The number half of swapping the two rows: the screen exchanges the
    // texts, names and chains itself. The next digit starts a new number.
    void swapNumbers();

    // Receives the diagnostic line written for each decimal digit typed, when
    // a front end asks for it (ratio-cli --trace, the window's logging
    // category); none by default, so nothing reaches a user's terminal.
    std::function<void(const std::string& line)> diagnosticSink;

    BDouble Number0{0};
    BDouble Number1{0};
    Status status = Status::Cleared;
    BDouble CalculationNum{0};
    bool CalculationInputBegan = false;
    int DecimalInputPlace = -1;
    bool InputEnded = false;

  private:
    void appendDigit(int signedDigit);
    void storeOperand();
    void enteredInteger();
    void showNumber0(const std::string& numberText);
    void showNumber1(const std::string& numberText);
    Mode mode() const { return operatorMode.modeEnum(); }

    CalculatorDisplayHost* host;
    OperatorMode& operatorMode;
};

using Status = LegacyCalculator::Status;

} // namespace ratio
