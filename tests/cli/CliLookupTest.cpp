// Units as people type them, and values as scripts write them, through
// `convert` with a pinned language and locale.
#include "cli/CliApplication.h"
#include "cli/UnitResolver.h"
#include "cli/ValueText.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sstream>

namespace ratio {
namespace {

struct Converted {
    int status;
    std::string output;
    std::string errors;
};

Converted convert(const std::string& value, const std::string& from, const std::string& to,
                  const std::string& language = "en-GB") {
    QStandardPaths::setTestModeEnabled(true); // never the machine's kept rates
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runCli(
        {"--locale", "en_GB", "--language", language, "convert", value, from, to}, in, out, err);
    return {status, out.str(), err.str()};
}

struct NameCase {
    const char* what;
    const char* from;
    const char* to;
    const char* language;
    const char* output; // or, with status 2, a part of the message
};

TEST(CliLookup, EveryWayOfNamingAUnit) {
    const NameCase cases[] = {
        {"long name", "Mile (mile, mi)", "Kilometre (km)", "en-GB", "1.609344 km\n"},
        {"long name without brackets", "Mile", "kilometre", "en-GB", "1.609344 km\n"},
        {"symbol in brackets", "mi", "km", "en-GB", "1.609344 km\n"},
        {"second symbol", "NM", "m", "en-GB", "1,852 m\n"},
        {"symbol of a speed", "kt", "km/h", "en-GB", "1.8519984 km/h\n"},
        {"short name", "mile", "km", "en-GB", "1.609344 km\n"},
        {"degree as deg", "degF", "degC", "en-GB", "-17.22222222 °C\n"},
        {"square as 2", "km2", "m2", "en-GB", "1,000,000 m²\n"},
        {"square as ^2", "m^2", "cm^2", "en-GB", "10,000 cm²\n"},
        {"cube as 3", "m3", "l", "en-GB", "1,000 l\n"},
        {"micro as u", "um", "nm", "en-GB", "1,000 nm\n"},
        {"micro second as us", "us", "ns", "en-GB", "1,000 ns\n"},
        {"no-break space typed as a space", "[US] Miles per gallon", "Miles per litre", "en-GB",
         "0.26417205 mpl\n"},
        {"a part of a joined name", "Zoll", "cm", "de-DE", "2.54 cm\n"},
        {"British name under another language", "Inch", "Kilometre", "de-DE", "0.0000254 km\n"},
        {"case ignored where nothing differs", "KM", "MILE", "en-GB", "0.62137119 mile\n"},
        {"case kept where it tells units apart", "M", "m", "en-GB", "1,852 m\n"},
        {"... in both directions", "nm", "NM", "en-GB", "0 M\n"},
        {"... and for bits and bytes", "B", "b", "en-GB", "8 bit\n"},
        {"a shared long name settled by the other unit", "[China] fēn (市分)", "m²", "en-GB",
         "66.66666667 m²\n"},
        {"a shared short name settled by the other unit", "市分", "m", "en-GB", "0.00333333 m\n"},
        {"exact leu before any litre, unless the other unit is a volume", "L", "ml", "en-GB",
         "1,000 ml\n"},
    };
    for (const NameCase& c : cases) {
        const Converted result = convert("1", c.from, c.to, c.language);
        EXPECT_EQ(result.status, 0) << c.what << ": " << result.errors;
        EXPECT_EQ(result.output, c.output) << c.what;
    }
}

TEST(CliLookup, ProblemsNameTheCandidatesOrTheClosestNames) {
    const NameCase cases[] = {
        {"same letters, same category, a case that is neither", "Nm", "km", "en-GB",
         "ambiguous unit 'Nm', it names: Nanometre (nm) in Length; Nautical mile (M, NM) in "
         "Length"},
        {"close to one name", "kilometer", "m", "en-GB",
         "unknown unit 'kilometer'; did you mean 'Kilometre'"},
        {"close to nothing", "furlongs", "m", "en-GB", "unknown unit 'furlongs'\n"},
        {"two categories", "kg", "km", "en-GB",
         "units of two categories: 'kg' (Kilogram (kg) in Mass) and 'km' (Kilometre (km) in "
         "Length)"},
        {"currency without rates", "EUR", "USD", "en-GB",
         "no currency rates are known for 'EUR'; run 'ratio-cli update-rates'"},
        {"currency symbol without rates", "€", "$", "en-GB", "no currency rates are known for '€'"},
    };
    for (const NameCase& c : cases) {
        const Converted result = convert("1", c.from, c.to, c.language);
        EXPECT_EQ(result.status, 2) << c.what;
        EXPECT_EQ(result.output, "") << c.what;
        EXPECT_NE(result.errors.find(c.output), std::string::npos)
            << c.what << ": " << result.errors;
    }
}

TEST(CliLookup, PlainSpellingsOfHardCharacters) {
    using Spellings = std::vector<std::string>;
    EXPECT_EQ(UnitResolver::plainSpellings("°C"), Spellings{"degC"});
    EXPECT_EQ(UnitResolver::plainSpellings("mi²"), (Spellings{"mi2", "mi^2"}));
    EXPECT_EQ(UnitResolver::plainSpellings("μm"), Spellings{"um"});
    EXPECT_EQ(UnitResolver::plainSpellings("km"), Spellings{});
}

struct ValueCase {
    const char* text;
    const char* output; // "" when refused
};

TEST(CliValues, ExponentsAndSignsAreExact) {
    const ValueCase cases[] = {
        {"1e3", "1 km\n"},
        {"2.5E-4", "0.00000025 km\n"}, // not a binary neighbour of it
        {"-1.5e+2", "-0.15 km\n"},
        {"+2", "0.002 km\n"},
        {"1e-11", "0 km\n"}, // exact, only the text is rounded to 8 places
        {"123456789012345678901234567890e0", "123,456,789,012,345,678,901,234,567.89 km\n"},
        {"1e", ""},
        {"e3", ""},
        {"1e3.5", ""},
        {"1e100001", ""},
        {"+-1", ""},
        {"++1", ""},
        {".5", ""},
        {"1,5", ""},
        {"0x10", ""},
        {" 1", ""},
    };
    for (const ValueCase& c : cases) {
        const Converted result = convert(c.text, "m", "km");
        if (*c.output) {
            EXPECT_EQ(result.output, c.output) << c.text;
        } else {
            EXPECT_EQ(result.status, 2) << c.text;
            EXPECT_NE(result.errors.find(std::string("'") + c.text + "'"), std::string::npos)
                << result.errors;
        }
    }
    std::string problem;
    EXPECT_FALSE(ValueText::parse("1e999999999999999999999", &problem));
    EXPECT_NE(problem.find("exponent out of range"), std::string::npos);
}

} // namespace
} // namespace ratio
