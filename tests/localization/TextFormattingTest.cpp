#include "localization/CountFormat.h"
#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <tuple>

namespace ratio {
namespace {

TEST(AppendEnglishName, AddsTheEnglishNameOnlyWhenMissing) {
    using Case = std::array<std::string_view, 3>; // name, English name, expected
    // clang-format off
    const Case cases[] = {
        {"Zoll", "Inch", "Zoll / Inch"}, {"", "Inch", " / Inch"}, {"Zoll", "", "Zoll"},
        {"", "", ""}, {"Ångström", "Angstrom (Å)", "Ångström / Angstrom (Å)"},
        // Contained anywhere in any ASCII letter case, even just after a partial match.
        {"INCH", "Inch", "INCH"}, {"Square inch", "Inch", "Square inch"},
        {"InInch", "Inch", "InInch"},
        // Cut off by the end of the name, or a near miss: no match.
        {"Inc", "Inch", "Inc / Inch"},
        {"Kilometre (km)", "Kilometer (km)", "Kilometre (km) / Kilometer (km)"},
    };
    // clang-format on
    for (const auto& [name, englishName, expected] : cases)
        EXPECT_EQ(appendEnglishName(name, englishName), expected)
            << '"' << name << "\" + \"" << englishName << '"';
}

// Formats come from tables that people edit: only "%i" and "%%" mean
// anything, and nothing else may read a missing argument.
TEST(CountFormat, FillsOnlyTheCount) {
    using Case = std::tuple<std::string_view, long long, std::string_view>;
    // clang-format off
    const Case cases[] = {
        {"%i more lengths", 5, "5 more lengths"}, {"あと%i件", 40, "あと40件"},
        {"%i", LLONG_MIN, "-9223372036854775808"}, {"%i%i", 7, "77"}, {"", 5, ""},
        {"%s %n %d", 5, "%s %n %d"}, {"%5i %-i", 7, "%5i %-i"}, {"%i%", 5, "5%"}, {"%%i", 5, "%i"},
        // The text after a view's end is no part of it: a last '%' stays.
        {"%%%i", 5, "%5"}, {"%%%", 5, "%%"}, {std::string_view("%i", 1), 5, "%"},
        {std::string_view("a\0%i", 4), 7, std::string_view("a\0" "7", 3)},
    };
    // clang-format on
    for (const auto& [format, count, expected] : cases)
        EXPECT_EQ(formatCount(format, count), expected) << '"' << format << "\" with " << count;
    // No fixed-size buffer: a long format comes out whole.
    EXPECT_EQ(formatCount(std::string(10000, '%') + "%i", 42), std::string(5000, '%') + "42");
}

} // namespace
} // namespace ratio
