#pragma once

#include "engine/LegacyCalculator.h"

#include <optional>
#include <string_view>

namespace ratio {

// The main screen's keys. The digits come first, so a digit key's value is its digit.
enum class KeypadKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    DecimalSeparator,
    Addition,
    Subtraction,
    Multiplication,
    Division,
    Equals,
    Clear,
    ChangeSign,
    SwapUnits
};

// The key that typed `characters` stand for, the one map of keys as text for
// the window's keyboard and ratio-cli's key sequences: 0-9, `decimalSeparator`,
// + - * /, "=" or a carriage return for equals, and C (clear), N (the sign
// key) and X (swap the units). None for any other text, which presses nothing.
std::optional<KeypadKey> keypadKey(std::string_view characters, std::string_view decimalSeparator);

// Presses a calculator key; false for SwapUnits, which belongs to the screen.
bool pressKeypadKey(LegacyCalculator& calculator, KeypadKey key);

} // namespace ratio
