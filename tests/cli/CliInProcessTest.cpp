#include "cli/CliApplication.h"

#include <QStandardPaths>

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
    // Pin the locale and language; never read the machine's kept rates.
    QStandardPaths::setTestModeEnabled(true);
    arguments.insert(arguments.begin(), {"--locale", "en_GB", "--language", "en-GB"});
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

struct KeysCase {
    std::vector<std::string> arguments;
    const char* output;
};

TEST(CliKeys, PrintBothRowsAsTheMainScreenShowsThem) {
    const KeysCase cases[] = {
        {{}, "0 mile\n0 km\n"},
        {{"2"}, "2 mile\n3.218688 km\n"},
        {{"--calculator"}, "0\n0 km\n"},
        {{"--calculator", "1/3="}, "0.33333333\n0.536448 km\n"},
        {{"--calculator", "X"}, "0 km\n0 mile\n"},
        {{"2X1"}, "1 km\n0.62137119 mile\n"},
        {{"2+X3="}, "3 km\n1.86411358 mile\n"},
        {{"--from", "°C", "--to", "°F", "C"}, "0 °C\n32 °F\n"},
        {{"--from", "Inch (in)", "--to", "nm", "1"}, "1 in\n25,400,000 nm\n"},
        {{"--", "-5"}, "5 mile\n8.04672 km\n"},
    };
    for (const KeysCase& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 0) << outcome.errors;
        EXPECT_EQ(outcome.output, c.output) << ::testing::PrintToString(c.arguments);
    }
}

TEST(CliKeys, TraceShowsEveryKeyAndLocaleSeparators) {
    const Outcome outcome = run({"--locale", "de_DE", "--trace", "1234.5"});
    EXPECT_EQ(outcome.output, "1\t1 mile\t1,609344 km\n"
                              "2\t12 mile\t19,312128 km\n"
                              "3\t123 mile\t197,949312 km\n"
                              "4\t1.234 mile\t1.985,930496 km\n"
                              ".\t1.234, mile\t1.985,930496 km\n"
                              "5\t1.234,5 mile\t1.986,735168 km\n");
    EXPECT_EQ(outcome.errors, "DecimalSeparatorInputPlace 0\n");
}

TEST(CliKeys, DivisionByZeroIsReportedAndTheKeysGoOn) {
    const Outcome outcome = run({"--calculator", "5/0=7"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "/ 0: Division 0\n");
    EXPECT_EQ(outcome.output, "7\n11.265408 km\n");
}

TEST(CliConvert, ConvertsBetweenNamedUnits) {
    EXPECT_EQ(run({"convert", "100", "°C", "°F"}).output, "212 °F\n");
    EXPECT_EQ(run({"convert", "-40", "°F", "°C"}).output, "-40 °C\n");
    EXPECT_EQ(run({"convert", "3", "[China] chǐ (市尺)", "m"}).output, "1 m\n");
    EXPECT_EQ(run({"--locale", "de_DE", "convert", "1234.5", "km", "m"}).output, "1.234.500 m\n");
    EXPECT_EQ(run({"--language", "de-DE", "convert", "1", "Zoll / Inch (in)", "cm"}).output,
              "2.54 cm\n");
}

TEST(CliConvert, ALongNameSharedByTwoCategoriesIsSettledByTheOtherUnit) {
    EXPECT_EQ(run({"convert", "1", "[China] fēn (市分)", "m"}).output, "0.00333333 m\n");
    EXPECT_EQ(run({"convert", "1", "[China] fēn (市分)", "m²"}).output, "66.66666667 m²\n");
}

struct UsageCase {
    std::vector<std::string> arguments;
    const char* message;
};

TEST(CliUsage, ErrorsNameTheProblemAndExitWithTwo) {
    const UsageCase cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--from"}, "option --from needs a value"},
        {{"12a"}, "unknown key 'a'"},
        {{"--from", "furlong"}, "unknown unit 'furlong'"},
        {{"--from", "kg"}, "units of two categories"},
        {{"convert", "1", "市分", "m²", "x"}, "convert needs VALUE FROM TO"},
        {{"convert", "1e", "km", "m"}, "not a decimal number: '1e'"},
        {{"convert", "1", "km"}, "convert needs VALUE FROM TO"},
        {{"--rates", "/nonexistent/rates.xml", "1"},
         "cannot read rates file '/nonexistent/rates.xml': No such file"},
        {{"--locale", "xx_NOWHERE", "1"}, "unknown locale"},
        {{"--list", "13"}, "unknown category '13'"},
        {{"--list", "length", "mass"}, "unexpected argument 'mass'"},
        {{"--timeout", "0", "update-rates"}, "--timeout needs whole seconds"},
        {{"update-rates", "now"}, "update-rates takes no arguments"},
    };
    for (const UsageCase& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.message;
        EXPECT_EQ(outcome.output, "");
        EXPECT_NE(outcome.errors.find(c.message), std::string::npos) << outcome.errors;
    }
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

TEST(CliList, PrintsEveryUnitUnderItsCategoryHeading) {
    const Outcome british = run({"--list"});
    EXPECT_EQ(std::count(british.output.begin(), british.output.end(), '\n'), 132 + 13);
    EXPECT_EQ(british.output.substr(0, british.output.find('\n')),
              "#\t0\tCurrency (no rates known; run 'ratio-cli update-rates' to download them, or "
              "give --rates FILE)");
    EXPECT_NE(british.output.find("#\t1\tLength\n1\t0\tMile (mile, mi)\tmile\t1\n"),
              std::string::npos);
    EXPECT_NE(british.output.find("5\t15\t[Taiwan] 犁 / Lê / Lài / Lí (Lê)\tLê\t0\n"),
              std::string::npos);
    const Outcome taiwan = run({"--language", "zh-Hant-TW", "--list"});
    EXPECT_EQ(std::count(taiwan.output.begin(), taiwan.output.end(), '\n'), 131 + 13);
}

TEST(CliList, OneCategoryByIndexOrByNameInEitherLanguage) {
    const std::string length = run({"--list", "1"}).output;
    EXPECT_TRUE(length.starts_with("#\t1\tLength\n1\t0\tMile")) << length;
    const std::string all = run({"--list"}).output;
    EXPECT_NE(all.find(length), std::string::npos); // the same lines as in the whole list
    EXPECT_EQ(run({"--list", "LENGTH"}).output, length);
    EXPECT_EQ(run({"--language", "de-DE", "--list", "length"}).output.substr(0, 4), "#\t1\t");
}

} // namespace
} // namespace ratio
