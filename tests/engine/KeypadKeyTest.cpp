// Keys as text: the one map that the window's keyboard and ratio-cli's key
// sequences share.
#include "engine/KeypadKey.h"

#include <gtest/gtest.h>

#include <optional>

namespace ratio {
namespace {

TEST(KeypadKey, TextNamesOneKeyOrNone) {
    using K = KeypadKey;
    const struct {
        const char* text;
        const char* decimalSeparator;
        std::optional<KeypadKey> key;
    } cases[] = {
        // clang-format off
        {"0", ".", K::Digit0}, {"9", ",", K::Digit9}, {",", ",", K::DecimalSeparator},
        {"\u066B", "\u066B", K::DecimalSeparator}, {".", ",", std::nullopt},
        {"+", ".", K::Addition}, {"-", ".", K::Subtraction}, {"*", ".", K::Multiplication},
        {"/", ".", K::Division}, {"=", ".", K::Equals}, {"\r", ".", K::Equals},
        {"C", ".", K::Clear}, {"N", ".", K::ChangeSign}, {"X", ".", K::SwapUnits},
        {"c", ".", std::nullopt}, {"", "", std::nullopt}, {"12", ".", std::nullopt},
        {"\u0661", ".", std::nullopt},
        // clang-format on
    };
    for (const auto& row : cases)
        EXPECT_EQ(keypadKey(row.text, row.decimalSeparator), row.key) << row.text;
}

} // namespace
} // namespace ratio
