#include "engine/KeypadKey.h"

namespace ratio {

bool pressKeypadKey(LegacyCalculator& calculator, char key) {
    switch (key) {
    case '.':
        calculator.enterDecimalSeparator();
        break;
    case '+':
        calculator.selectOperator(Mode::Addition);
        break;
    case '-':
        calculator.selectOperator(Mode::Subtraction);
        break;
    case '*':
        calculator.selectOperator(Mode::Multiplication);
        break;
    case '/':
        calculator.selectOperator(Mode::Division);
        break;
    case '=':
        calculator.evaluate();
        break;
    case 'C':
        calculator.clear();
        break;
    case 'N':
        calculator.changeSign();
        break;
    default:
        if (key < '0' || key > '9')
            return false;
        calculator.enterDigit(key - '0');
    }
    return true;
}

} // namespace ratio
