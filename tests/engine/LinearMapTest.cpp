#include "engine/LinearMap.h"

#include <gtest/gtest.h>

#include <string>

namespace ratio {
namespace {

BDouble number(const char* text) {
    return *BDouble::fromText(text);
}

BDouble quotient(long a, long b) {
    return *BDouble(a).dividedBy(BDouble(b));
}

// The rounded text built in integers is the text of the exact result, for
// scales and offsets with awkward denominators, values on a rounding
// boundary, signs that flip, and more places than the kept powers of ten.
TEST(LinearMap, RoundedTextIsTheTextOfTheExactResult) {
    const LinearMap maps[] = {
        {quotient(9, 5), BDouble(32)},             // °C to °F
        {quotient(5, 9), quotient(-160, 9)},       // °F to °C
        {number("0.45359237"), BDouble(0)},        // lb to kg
        {quotient(-1, 3), quotient(1, 7)},         // both repeat, the sign flips
        {BDouble(1), number("-0.000000005")},      // shifts a value onto a half
        {quotient(201168, 125), number("273.15")}, // large denominators
    };
    const BDouble values[] = {number("-40"), number("0.000000005"), number("-2.5"), quotient(1, 3),
                              number("98765432109876543210.5")};
    for (const LinearMap& map : maps)
        for (const BDouble& x : values)
            for (int places : {0, 1, 8, 70}) {
                const std::string exact = map(x).decimalExpansion(places);
                EXPECT_EQ(map.decimalExpansion(x, places), exact)
                    << x.fractionText() << " at " << places << " places";
            }
}

} // namespace
} // namespace ratio
