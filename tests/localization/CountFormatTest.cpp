#include "localization/CountFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

namespace ratio {
namespace {

struct CountCase {
    std::string_view format;
    long long count;
    std::string_view expected;
};

std::ostream& operator<<(std::ostream& out, const CountCase& c) {
    return out << '"' << c.format << "\" with " << c.count;
}

class CountFormat : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountFormat, FillsOnlyTheCount) {
    const CountCase& c = GetParam();
    EXPECT_EQ(formatCount(c.format, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CountTexts, CountFormat,
    ::testing::Values(CountCase{"%i more lengths", 5, "5 more lengths"},
                      CountCase{"%i more lengths", 0, "0 more lengths"},
                      CountCase{"%i weitere Währungen", 12, "12 weitere Währungen"},
                      CountCase{"+%i × Měna", 3, "+3 × Měna"},
                      CountCase{"あと%i件", 40, "あと40件"}, CountCase{"%i", 1234567, "1234567"},
                      CountCase{"more: %i", -3, "more: -3"},
                      CountCase{"%i", LLONG_MIN, "-9223372036854775808"},
                      CountCase{"%i", LLONG_MAX, "9223372036854775807"}));

// Formats come from tables that people edit; none of these may read a
// missing argument or write anywhere.
INSTANTIATE_TEST_SUITE_P(
    HostileFormats, CountFormat,
    ::testing::Values(CountCase{"", 5, ""}, CountCase{"no number here", 5, "no number here"},
                      CountCase{"%s", 5, "%s"}, CountCase{"%n", 5, "%n"}, CountCase{"%d", 5, "%d"},
                      CountCase{"%", 5, "%"}, CountCase{"%i%", 5, "5%"},
                      CountCase{"100%", 5, "100%"}, CountCase{"%%", 5, "%"},
                      CountCase{"%%i", 5, "%i"}, CountCase{"%%%i", 5, "%5"},
                      CountCase{"%%%", 5, "%%"}, CountCase{"%5i", 7, "%5i"},
                      CountCase{"%-i", 7, "%-i"}, CountCase{"%i%i", 7, "77"},
                      CountCase{"%s %i %n", 7, "%s 7 %n"}, CountCase{"%×", 7, "%×"},
                      CountCase{std::string_view("a\0%i", 4), 7,
                                std::string_view("a\0"
                                                 "7",
                                                 3)}));

TEST(CountFormatLongText, FillsEveryPlaceInALongFormat) {
    std::string format;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        format += "%i %% ";
        expected += "42 % ";
    }
    EXPECT_EQ(formatCount(format, 42), expected);
}

} // namespace
} // namespace ratio
