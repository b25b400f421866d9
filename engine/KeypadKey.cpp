#include "engine/KeypadKey.h"

#include <utility>

namespace ratio {

std::optional<KeypadKey> keypadKey(std::string_view characters, std::string_view decimalSeparator) {
    if (characters.size() == 1 && characters[0] >= '0' && characters[0] <= '9')
        return static_cast<KeypadKey>(characters[0] - '0');
    if (!characters.empty() && characters == decimalSeparator)
        return KeypadKey::DecimalSeparator;
    static constexpr std::pair<std::string_view, KeypadKey> others[] = {
        {"+", KeypadKey::Addition}, {"-", KeypadKey::Subtraction}, {"*", KeypadKey::Multiplication},
        {"/", KeypadKey::Division}, {"=", KeypadKey::Equals},      {"\r", KeypadKey::Equals},
        {"C", KeypadKey::Clear},    {"N", KeypadKey::ChangeSign},  {"X", KeypadKey::SwapUnits}};
    for (const auto& [text, key] : others)
        if (characters == text)
            return key;
    return std::nullopt;
}

bool pressKeypadKey(LegacyCalculator& calculator, KeypadKey key) {
    switch (key) {
    case KeypadKey::DecimalSeparator:
        calculator.enterDecimalSeparator();
        break;
    case KeypadKey::Addition:
        calculator.selectOperator(Mode::Addition);
        break;
    case KeypadKey::Subtraction:
        calculator.selectOperator(Mode::Subtraction);
        break;
    case KeypadKey::Multiplication:
        calculator.selectOperator(Mode::Multiplication);
        break;
    case KeypadKey::Division:
        calculator.selectOperator(Mode::Division);
        break;
    case KeypadKey::Equals:
        calculator.evaluate();
        break;
    case KeypadKey::Clear:
        calculator.clear();
        break;
    case KeypadKey::ChangeSign:
        calculator.changeSign();
        break;
    case KeypadKey::SwapUnits:
        return false;
    default:
        calculator.enterDigit(static_cast<int>(key));
    }
    return true;
}

} // namespace ratio
