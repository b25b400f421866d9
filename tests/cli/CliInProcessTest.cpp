// ratio-cli run in-process with a pinned locale and language: keys, units as
// people type them, values as scripts write them, usage errors, batch, list.
#include "cli/CliApplication.h"
#include "cli/ValueText.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ratio {
namespace {

struct Outcome {
    int status;
    std::string output;
    std::string errors;
};

Outcome run(std::vector<std::string> arguments, const std::string& input = "") {
    QStandardPaths::setTestModeEnabled(true); // never the machine's kept rates
    arguments.insert(arguments.begin(), {"--locale", "en_GB", "--language", "en-GB"});
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

struct Case {
    std::vector<std::string> arguments;
    const char* expected; // the output, or with status 2 a part of the message
};

TEST(CliKeys, PrintBothRowsAsTheMainScreenShowsThem) {
    const Case cases[] = {
        {{}, "0 mile\n0 km\n"},
        {{"2"}, "2 mile\n3.218688 km\n"},
        {{"--calculator", "1/3="}, "0.33333333\n0.536448 km\n"},
        {{"--calculator", "X"}, "0 km\n0 mile\n"},
        {{"2+X3="}, "3 km\n1.86411358 mile\n"},
        {{"--from", "°C", "--to", "°F", "C"}, "0 °C\n32 °F\n"},
        {{"--", "-5"}, "5 mile\n8.04672 km\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        EXPECT_EQ(outcome.output, c.expected) << ::testing::PrintToString(c.arguments);
    }
    const Outcome german = run({"--locale", "de_DE", "--trace", "1234.5"});
    EXPECT_EQ(german.output, "1\t1 mile\t1,609344 km\n"
                             "2\t12 mile\t19,312128 km\n"
                             "3\t123 mile\t197,949312 km\n"
                             "4\t1.234 mile\t1.985,930496 km\n"
                             ".\t1.234, mile\t1.985,930496 km\n"
                             "5\t1.234,5 mile\t1.986,735168 km\n");
    EXPECT_EQ(german.errors, "DecimalSeparatorInputPlace 0\n");
    const Outcome byZero = run({"--calculator", "5/0=7"}); // reported, and the keys go on
    EXPECT_EQ(byZero.status, 0);
    EXPECT_EQ(byZero.errors, "/ 0: Division 0\n");
    EXPECT_EQ(byZero.output, "7\n11.265408 km\n");
}

TEST(CliUsage, ErrorsNameTheProblemAndExitWithTwo) {
    const Case cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--from"}, "option --from needs a value"},
        {{"12a"}, "unknown key 'a'"},
        {{"--from", "furlong"}, "unknown unit 'furlong'"},
        {{"convert", "1", "km"}, "convert needs VALUE FROM TO"},
        {{"convert", "1", "Nm", "km"}, // same letters, same category, a case that is neither
         "ambiguous unit 'Nm', it names: Nanometre (nm) in Length; Nautical mile (M, NM) in "
         "Length"},
        {{"convert", "1", "kilometer", "m"}, "unknown unit 'kilometer'; did you mean 'Kilometre'"},
        {{"convert", "1", "furlongs", "m"}, "unknown unit 'furlongs'\n"}, // close to nothing
        {{"convert", "1", "kg", "km"},
         "units of two categories: 'kg' (Kilogram (kg) in Mass) "
         "and 'km' (Kilometre (km) in Length)"},
        {{"convert", "1", "EUR", "USD"},
         "no currency rates are known for 'EUR'; run 'ratio-cli update-rates'"},
        {{"--rates", "/nonexistent/rates.xml", "1"},
         "cannot read rates file '/nonexistent/rates.xml': No such file"},
        {{"--locale", "xx_NOWHERE", "1"}, "unknown locale"},
        {{"--list", "13"}, "unknown category '13'"},
        {{"--list", "length", "mass"}, "unexpected argument 'mass'"},
        {{"--timeout", "0", "update-rates"}, "--timeout needs whole seconds"},
        {{"update-rates", "now"}, "update-rates takes no arguments"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.expected;
        EXPECT_EQ(outcome.output, "");
        EXPECT_NE(outcome.errors.find(c.expected), std::string::npos) << outcome.errors;
    }
}

struct NameCase {
    const char* what;
    const char* from;
    const char* to;
    const char* language;
    const char* output;
};

TEST(CliLookup, EveryWayOfNamingAUnit) {
    const NameCase cases[] = {
        {"long name", "Mile (mile, mi)", "Kilometre (km)", "en-GB", "1.609344 km\n"},
        {"long name without brackets", "Mile", "kilometre", "en-GB", "1.609344 km\n"},
        {"symbol in brackets", "mi", "km", "en-GB", "1.609344 km\n"},
        {"second symbol", "NM", "m", "en-GB", "1,852 m\n"},
        {"short name", "mile", "km", "en-GB", "1.609344 km\n"},
        {"degree as deg", "degF", "degC", "en-GB", "-17.22222222 °C\n"},
        {"square as 2", "km2", "m2", "en-GB", "1,000,000 m²\n"},
        {"micro as u", "um", "nm", "en-GB", "1,000 nm\n"},
        {"no-break space typed as a space", "[US] Miles per gallon", "Miles per litre", "en-GB",
         "0.26417205 mpl\n"},
        {"a part of a joined name", "Zoll", "cm", "de-DE", "2.54 cm\n"},
        {"British name under another language", "Inch", "Kilometre", "de-DE", "0.0000254 km\n"},
        {"case ignored where nothing differs", "KM", "MILE", "en-GB", "0.62137119 mile\n"},
        {"case kept where it tells units apart", "M", "m", "en-GB", "1,852 m\n"},
        {"... in both directions", "nm", "NM", "en-GB", "0 M\n"},
        {"a shared long name settled by the other unit", "[China] fēn (市分)", "m²", "en-GB",
         "66.66666667 m²\n"},
        {"a shared short name settled by the other unit", "市分", "m", "en-GB", "0.00333333 m\n"},
        {"exact leu before any litre, unless the other unit is a volume", "L", "ml", "en-GB",
         "1,000 ml\n"},
    };
    for (const NameCase& c : cases) {
        const Outcome result = run({"--language", c.language, "convert", "1", c.from, c.to});
        EXPECT_EQ(result.status, 0) << c.what << ": " << result.errors;
        EXPECT_EQ(result.output, c.output) << c.what;
    }
    EXPECT_EQ(run({"convert", "3", "[China] chǐ (市尺)", "m"}).output, "1 m\n"); // exactly
    EXPECT_EQ(run({"--locale", "de_DE", "convert", "1234.5", "km", "m"}).output, "1.234.500 m\n");
}

// With rates, "L" is first the leu's symbol; beside a volume it is the litre.
TEST(CliLookup, ASymbolOfTwoCategoriesFollowsTheOtherUnit) {
    QTemporaryDir folder;
    QFile rates(folder.filePath("rates.xml"));
    ASSERT_TRUE(rates.open(QIODevice::WriteOnly));
    rates.write("<Cube><Cube time='2026-12-04'><Cube currency='RON' rate='5'/></Cube></Cube>");
    rates.close();
    const struct {
        const char *from, *to, *output;
    } cases[] = {
        {"L", "ml", "1,000 ml\n"},
        {"ml", "L", "0.001 l\n"},
        {"L", "EUR", "0.2 \u20ac\n"},
    };
    for (const auto& c : cases) {
        const Outcome result =
            run({"--rates", rates.fileName().toStdString(), "convert", "1", c.from, c.to});
        EXPECT_EQ(result.output, c.output) << c.from << " to " << c.to << ": " << result.errors;
    }
}

TEST(CliValues, ExponentsAndSignsAreExact) {
    const std::pair<const char*, const char*> cases[] = {
        {"1e3", "1 km\n"},
        {"2.5E-4", "0.00000025 km\n"}, // not a binary neighbour of it
        {"-1.5e+2", "-0.15 km\n"},
        {"+2", "0.002 km\n"},
        {"1e-11", "0 km\n"}, // exact, only the text is rounded to 8 places
        {"123456789012345678901234567890e0", "123,456,789,012,345,678,901,234,567.89 km\n"},
    };
    for (const auto& [text, output] : cases)
        EXPECT_EQ(run({"convert", text, "m", "km"}).output, output) << text;
    for (const std::string text : {"1e", "e3", "1e3.5", "1e100001", "+-1", ".5", "1,5", " 1"}) {
        const Outcome refused = run({"convert", text, "m", "km"});
        EXPECT_EQ(refused.status, 2) << text;
        EXPECT_NE(refused.errors.find("'" + text + "'"), std::string::npos) << refused.errors;
    }
    std::string problem;
    EXPECT_FALSE(ValueText::parse("1e999999999999999999999", &problem));
    EXPECT_NE(problem.find("exponent out of range"), std::string::npos);
}

TEST(CliBatch, ReportsBadLinesAndGoesOn) {
    const Outcome outcome =
        run({"--batch"}, "1\tmile\tkm\nx\tkm\tm\n2\tkg\tlb\r\n\n5\tkg\n3\tkg\tkm\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "1.609344 km\n4.40924524 lb\n");
    EXPECT_NE(outcome.errors.find("line 2: not a decimal number"), std::string::npos);
    EXPECT_NE(outcome.errors.find("line 4: expected VALUE<TAB>FROM<TAB>TO"), std::string::npos);
    EXPECT_NE(outcome.errors.find("line 5: expected"), std::string::npos);
    EXPECT_NE(outcome.errors.find("line 6: units of two categories"), std::string::npos);
    EXPECT_EQ(run({"--batch"}, "1\tm\tcm\n").status, 0);
}

TEST(CliList, EveryUnitUnderItsCategoryHeadingOrOneCategoryByIndexOrName) {
    const std::string all = run({"--list"}).output;
    EXPECT_TRUE(all.starts_with("#\t0\tCurrency (no rates known; run 'ratio-cli update-rates' "
                                "to download them, or give --rates FILE)\n"))
        << all.substr(0, 200);
    const std::string length = run({"--list", "1"}).output;
    EXPECT_TRUE(length.starts_with("#\t1\tLength\n1\t0\tMile (mile, mi)\tmile\t1\n")) << length;
    EXPECT_NE(all.find(length), std::string::npos); // the same lines as in the whole list
    EXPECT_EQ(run({"--list", "LENGTH"}).output, length);
    EXPECT_EQ(run({"--language", "de-DE", "--list", "length"}).output.substr(0, 4), "#\t1\t");
}

} // namespace
} // namespace ratio
