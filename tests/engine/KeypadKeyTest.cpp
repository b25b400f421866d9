// Keys as text: the one map that the window's keyboard and ratio-cli's key
// sequences share.
#include "engine/KeypadKey.h"

#include <gtest/gtest.h>

#include <optional>

namespace ratio {
namespace {

// Digits are ASCII, the separator is the locale's; keys press by a single character.
TEST(KeypadKey, TextNamesOneKeyOrNone) {
    using K = KeypadKey;
    const struct {
        const char* text;
        const char* decimalSeparator;
        std::optional<KeypadKey> key;
    } cases[] = {
        // clang-format off
        {"0", ".", K::Digit0}, {"9", ",", K::Digit9}, {"\u0661", ".", std::nullopt},
        {",", ",", K::DecimalSeparator}, {"\u066B", "\u066B", K::DecimalSeparator},
        {".", ",", std::nullopt}, {"", "", std::nullopt}, {"*", ".", K::Multiplication},
        {"=", ".", K::Equals}, {"\r", ".", K::Equals}, {"c", ".", std::nullopt},
        {"12", ".", std::nullopt},
        // clang-format on
    };
    for (const auto& row : cases)
        EXPECT_EQ(keypadKey(row.text, row.decimalSeparator), row.key) << row.text;
}

} // namespace
} // namespace ratio
