#include "localization/Localization.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ratio {
namespace {

struct AppendCase {
    std::string_view name;
    std::string_view englishName;
    std::string_view expected;
};

std::ostream& operator<<(std::ostream& out, const AppendCase& c) {
    return out << '"' << c.name << "\" + \"" << c.englishName << '"';
}

class AppendEnglishName : public ::testing::TestWithParam<AppendCase> {};

TEST_P(AppendEnglishName, AddsTheEnglishNameOnlyWhenMissing) {
    const AppendCase& c = GetParam();
    EXPECT_EQ(appendEnglishName(c.name, c.englishName), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AlreadyContained, AppendEnglishName,
    ::testing::Values(AppendCase{"Inch", "Inch", "Inch"}, AppendCase{"INCH", "Inch", "INCH"},
                      AppendCase{"inch", "Inch", "inch"}, AppendCase{"Inches", "Inch", "Inches"},
                      AppendCase{"Square inch", "Inch", "Square inch"},
                      // A partial match just before the real one must not hide it.
                      AppendCase{"InInch", "Inch", "InInch"},
                      AppendCase{"Polish złoty (zł, PLN)", "Polish złoty (zł, PLN)",
                                 "Polish złoty (zł, PLN)"},
                      AppendCase{"Zoll", "", "Zoll"}, AppendCase{"", "", ""}));

INSTANTIATE_TEST_SUITE_P(
    Appended, AppendEnglishName,
    ::testing::Values(AppendCase{"Zoll", "Inch", "Zoll / Inch"},
                      AppendCase{"Inc", "Inch", "Inc / Inch"},
                      AppendCase{"Inc h", "Inch", "Inc h / Inch"},
                      AppendCase{"Ångström", "Angstrom (Å)", "Ångström / Angstrom (Å)"},
                      AppendCase{"[Xina] lǐ", "[China] lǐ", "[Xina] lǐ / [China] lǐ"},
                      AppendCase{"Kilometre (km)", "Kilometer (km)",
                                 "Kilometre (km) / Kilometer (km)"},
                      AppendCase{"", "Inch", " / Inch"}));

} // namespace
} // namespace ratio
