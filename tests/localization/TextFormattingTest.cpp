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
        // Inside a form the same rules hold.
        {"one{%i%% %s} other{x}", 1, "1% %s"},
    };
    // clang-format on
    for (const auto& [format, count, expected] : cases)
        EXPECT_EQ(formatCount(format, count, Language::EnglishBritish), expected)
            << '"' << format << "\" with " << count;
    // No fixed-size buffer: a long format comes out whole.
    EXPECT_EQ(formatCount(std::string(10000, '%') + "%i", 42, Language::EnglishBritish),
              std::string(5000, '%') + "42");
}

TEST(CountFormat, PicksTheFormOfTheCountsCategory) {
    using Case = std::tuple<std::string_view, Language, long long, std::string_view>;
    const std::string_view english = "one{%i more length} other{%i more lengths}";
    const std::string_view czech = "one{%i měna} few{%i měny} other{%i měn}";
    // clang-format off
    const Case cases[] = {
        {english, Language::EnglishBritish, 1, "1 more length"},
        {english, Language::EnglishUSA, 0, "0 more lengths"},
        {english, Language::EnglishBritish, 21, "21 more lengths"},
        {english, Language::EnglishBritish, -1, "-1 more length"},
        {czech, Language::Czech, 1, "1 měna"}, {czech, Language::Czech, 4, "4 měny"},
        {czech, Language::Czech, 5, "5 měn"}, {czech, Language::Czech, 22, "22 měn"},
        // Forms the language does not use are never picked; missing ones fall to "other".
        {czech, Language::Japanese, 1, "1 měn"}, {english, Language::Polish, 2, "2 more lengths"},
        {"two{a%i} one{b%i} other{c%i}", Language::Hebrew, 2, "a2"},
        // A list without "other" still shows a form, and the first of a repeated category wins.
        {"one{%i x}", Language::EnglishBritish, 3, "3 x"},
        {"one{a%i} one{b%i} other{c%i}", Language::EnglishBritish, 1, "a1"},
        // Spaces around forms and empty forms are allowed.
        {"  one{} other{%i}  ", Language::EnglishBritish, 1, ""},
        // Anything not a well-formed list is a single format, shown whole.
        {"One{%i} other{%i}", Language::EnglishBritish, 1, "One{1} other{1}"},
        {"one {%i} other{%i}", Language::EnglishBritish, 1, "one {1} other{1}"},
        {"one{%i other{%i}", Language::EnglishBritish, 1, "one{1 other{1}"},
        {"one{%i} other{%i", Language::EnglishBritish, 1, "one{1} other{1"},
        {"one{%i} x other{%i}", Language::EnglishBritish, 1, "one{1} x other{1}"},
        {"{%i}", Language::EnglishBritish, 1, "{1}"}, {"   ", Language::EnglishBritish, 1, "   "},
    };
    // clang-format on
    for (const auto& [text, language, count, expected] : cases)
        EXPECT_EQ(formatCount(text, count, language), expected)
            << '"' << text << "\" with " << count;
}

TEST(CountFormat, ListsTheFormsOfAListOnly) {
    const auto forms = pluralForms("few{a} other{%i b}");
    ASSERT_TRUE(forms.has_value());
    EXPECT_EQ(*forms, (PluralForms{{PluralCategory::Few, "a"}, {PluralCategory::Other, "%i b"}}));
    EXPECT_FALSE(pluralForms("%i more lengths").has_value());
    EXPECT_FALSE(pluralForms("").has_value());
}

} // namespace
} // namespace ratio
