// ratio-cli run in-process with a pinned locale and language: keys, units as
// people type them, values as scripts write them, usage errors, batch, list,
// and the bounded memory of the pairs a batch failed on.
#include "cli/CliApplication.h"
#include "cli/FailedPairs.h"
#include "localization/Localization.h"
#include "localization/TextFolding.h"
#include "support/SampleRates.h"
#include "units/EverydayNames.h"
#include "units/UnitCatalogueBuilder.h"
#include "units/UnitResolver.h"

#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <array>
#include <set>
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

// A new rates file holding `document`, for --rates.
std::string ratesFile(const QByteArray& document) {
    static QTemporaryDir folder;
    static int files = 0;
    const QString path = folder.filePath(QString("rates%1.xml").arg(++files));
    EXPECT_TRUE(testing::writeFile(path, document));
    return path.toStdString();
}

// --trace prints each key with both rows after it, and the diagnostic lines.
TEST(CliKeys, TraceEveryKeyAndReportDivisionsByZero) {
    const Outcome outcome = run({"--trace", "--calculator", "1.5/0=7"});
    EXPECT_EQ(outcome.status, 0); // reported, and the keys go on
    EXPECT_EQ(outcome.errors, "DecimalSeparatorInputPlace 0\n/ 0: Division 0\n");
    EXPECT_EQ(outcome.output, "1\t1\t1.609344 km\n.\t1.\t1.609344 km\n5\t1.5\t2.414016 km\n"
                              "/\t1.5\t2.414016 km\n0\t0\t0 km\n=\t0\t0 km\n7\t7\t11.265408 km\n");
}

TEST(CliUsage, ErrorsNameTheProblemAndExitWithTwo) {
    QTemporaryDir folder;
    const std::string fifo = folder.filePath("rates.fifo").toStdString(); // refused, not waited on
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto rates = [](const QByteArray& document) {
        return std::vector<std::string>{"--rates", ratesFile(document), "convert", "1", "$", "€"};
    };
    const Case cases[] = {
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--from"}, "option --from needs a value"},
        {{"12a"}, "unknown key 'a'"},
        {{"convert", "1,5", "m", "m"}, "not a decimal number: '1,5'"}, // the locale's way only
        {{"convert", "1", "km"}, "convert needs VALUE FROM TO"},
        {{"convert", "1", "kilometr", "m"}, // names that contain it first, one name a unit
         "unknown unit 'kilometr'; did you mean 'Kilometre', 'Square kilometre', 'Kilometres "
         "per hour'?"},
        {{"convert", "1", "kilogramm", "g"}, "did you mean 'Kilogram'"}, // a typo, edits away
        {{"convert", "1", "EUR", "USD"},
         "no currency rates are known for 'USD'; run 'ratio-cli update-rates'"},
        {{"--rates", "/nonexistent/rates.xml", "1"},
         "cannot read rates file '/nonexistent/rates.xml': No such file"},
        {{"--rates", fifo, "1"}, "not a regular file"},
        {rates("\x01\x02not xml at all"), "is not a usable rate document: not a well-formed XML"},
        {rates(QByteArray(1024 * 1024 + 1, ' ')), "larger than 1 MiB"},
        {{"--locale", "xx_NOWHERE", "1"}, "unknown locale"},
        {{"--list", "13"}, "unknown category '13'"},
        {{"--list", "length", "mass"}, "unexpected argument 'mass'"},
        {{"--timeout", "0", "update-rates"}, "--timeout needs whole seconds"},
        {{"update-rates", "now"}, "update-rates takes no arguments"},
        {{"--places", "1001", "convert", "1", "m", "m"},
         "--places needs a whole number from 0 to 1000"},
        {{"--places", "2", "--exact", "convert", "1", "m", "m"}, "exclude each other"},
        {{"--plain", "12"}, "apply to convert and --batch only"},
        // An everyday name of several units lists them all.
        {{"convert", "1", "gallon", "l"},
         "ambiguous unit 'gallon', it names: Imperial gallon (Imp.gal.) in Volume; US "
         "liquid gallon (US.liq.gal.) in Volume; US dry gallon (US.dry.gal.) in Volume\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments);
        EXPECT_EQ(outcome.status, 2) << c.expected;
        EXPECT_EQ(outcome.output, "");
        EXPECT_NE(outcome.errors.find(c.expected), std::string::npos) << outcome.errors;
    }
    EXPECT_TRUE(run({"--help"}).output.starts_with("Usage: ratio-cli"));
}

TEST(CliLookup, EveryWayOfNamingAUnit) {
    // From, to, language, output of converting 1.
    // clang-format off
    const std::array<const char*, 4> cases[] = {
        {"Mile (mile, mi)", "Kilometre (km)", "en-GB", "1.609344 km\n"}, // long names
        {"Mile", "kilometre", "en-GB", "1.609344 km\n"}, // long names without brackets
        {"degF", "degC", "en-GB", "-17.22222222 °C\n"}, {"km2", "m2", "en-GB", "1,000,000 m²\n"},
        {"um", "nm", "en-GB", "1,000 nm\n"},
        {"[US] Miles per gallon", "Miles per litre", "en-GB", "0.26417205 mpl\n"}, // no-break space
        {"Zoll", "cm", "de-DE", "2.54 cm\n"}, // a part of a joined name
        {"Inch", "Kilometre", "de-DE", "0.0000254 km\n"}, // British name under another language
        {"KM", "MILE", "en-GB", "0.62137119 mile\n"}, // case ignored where nothing differs
        {"M", "m", "en-GB", "1,852 m\n"}, {"nm", "NM", "en-GB", "0 M\n"}, // ... but telling apart
        // A shared long or short name settled by the other unit.
        {"[China] fēn (市分)", "m²", "en-GB", "66.66666667 m²\n"},
        {"市分", "m", "en-GB", "0.00333333 m\n"},
        {"US fl.oz", "ml", "en-GB", "29.57352956 ml\n"}, // symbol without its final dot
        // Plurals: irregular, before 'per', of a part, of a US spelling, under another language.
        {"feet", "inches", "en-GB", "12 in\n"}, {"kilometers", "m", "en-GB", "1,000 m\n"},
        {"Metres per second", "km/h", "en-GB", "3.6 km/h\n"},
        {"long tons", "kg", "en-GB", "1,016.0469088 kg\n"},
        {"liter", "Milliliter", "fr-FR", "1,000 ml\n"}, {"acres", "ha", "ja-JP", "0.40468564 ha\n"},
        // Everyday abbreviations, in any case, with a space.
        {"kph", "mph", "en-GB", "0.62137119 mph\n"}, {"LBS", "kg", "en-GB", "0.45359237 kg\n"},
        {"sq ft", "sqm", "de-DE", "0.09290304 m²\n"}, {"tbsp", "tsp", "en-GB", "3 US tsp.\n"},
    };
    // clang-format on
    for (const auto& [from, to, language, output] : cases) {
        const Outcome result = run({"--language", language, "convert", "1", from, to});
        EXPECT_EQ(result.status, 0) << from << ": " << result.errors;
        EXPECT_EQ(result.output, output) << from;
    }
}

// Keys print both rows as the main screen shows them; conversions one row.
TEST(CliOutput, KeysPlainPlacesAndExactDigits) {
    // The leu, and a rate whose inverse has a long period.
    const std::string rates = ratesFile(testing::rateDocument(
        "2026-12-04", "<Cube currency='RON' rate='5'/><Cube currency='JPY' rate='1019'/>"));
    // clang-format off
    const Case cases[] = {
        {{}, "0 mile\n0 km\n"},
        {{"--", "-1.25"}, "1.25 mile\n2.01168 km\n"}, {{"--calculator", "X"}, "0 km\n0 mile\n"},
        {{"--calculator", "1/3="}, "0.33333333\n0.536448 km\n"},
        {{"--from", "°C", "--to", "°F", "C"}, "0 °C\n32 °F\n"},
        {{"convert", "1", "mg", "t"}, "0 t\n"}, // the row's 8 places
        {{"--plain", "convert", "1000", "km", "m"}, "1000000\n"},
        {{"--places", "0", "convert", "-2.5", "m", "m"}, "-3 m\n"}, // half away from zero
        {{"--plain", "--exact", "--batch"}, "0.(3)\n"},
        {{"--exact", "--locale", "de_DE", "convert", "1", "degF", "degC"}, "-17,(2) °C\n"},
        {{"--locale", "de_DE", "convert", "1.000,5", "km", "m"}, "1.000.500 m\n"},
        // 1/1019 repeats after 1018 digits: too long a period, so the fraction.
        {{"--rates", rates, "--exact", "convert", "-3", "JPY", "EUR"}, "-3/1019 €\n"},
        // With rates, "L" is first the leu's symbol; beside a volume it is the litre.
        {{"--rates", rates, "convert", "1", "L", "ml"}, "1,000 ml\n"},
        {{"--rates", rates, "convert", "1", "ml", "L"}, "0.001 l\n"},
        {{"--rates", rates, "convert", "1", "L", "EUR"}, "0.2 €\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Outcome outcome = run(c.arguments, "1\tft\tyd\n");
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.errors, ""); // the diagnostic lines only with --trace
        EXPECT_EQ(outcome.output, c.expected) << ::testing::PrintToString(c.arguments);
    }
    const std::string thousand =
        run({"--places", "1000", "--plain", "convert", "1", "ft", "yd"}).output;
    EXPECT_EQ(thousand, "0." + std::string(1000, '3') + "\n");
}

TEST(CliBatch, OneOutputLinePerInputLineAndBadOnesReported) {
    // clang-format off
    const Outcome outcome = run({"--batch"}, "1\tmile\tkm\n" "x\tkm\tm\n" "2\tkg\tlb\r\n" "\n"
                                             "5\tkg\n" "3\tkg\tkm\n" "# a comment\n" " \t\r\n"
                                             "1\tzz\tm\n" "1\tzz\tm\n" "4\tm\tm\n"
                                             "1\t" + std::string(257, 'm') + "\tkm");
    // clang-format on
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, "1.609344 km\n\n4.40924524 lb\n\n\n\n\n\n\n\n4 m\n\n");
    EXPECT_EQ(outcome.errors,
              "ratio-cli: line 2: not a decimal number: 'x'\n"
              "ratio-cli: line 5: expected VALUE<TAB>FROM<TAB>TO\n"
              "ratio-cli: line 6: units of two categories: 'kg' (Kilogram (kg) in "
              "Mass) and 'km' (Kilometre (km) in Length)\n"
              "ratio-cli: line 9: unknown unit 'zz'; did you mean 'ZB', 'oz', 'B'?\n"
              "ratio-cli: line 10: unknown unit 'zz'; did you mean 'ZB', 'oz', "
              "'B'?\n" // remembered, the same
              "ratio-cli: line 12: unknown unit: a name of 257 bytes is longer than any unit "
              "name\n");
}

// What the lookup takes for granted of the catalogue: longer names are refused
// unread, so no unit may have one, and every unit the everyday names mean
// exists under that British name.
TEST(CliLookup, CatalogueNamesFitTheLookup) {
    std::set<std::string> britishNames;
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        const auto strings = Localization::makeStrings(language);
        UnitCatalogue catalogue;
        buildUnitCatalogue(catalogue, *strings, language, Localization::sharedBritishStrings());
        for (const Category& category : catalogue)
            for (const UnitDefinition& unit : category.unitDefinitions) {
                EXPECT_LE(unit.longName.size() * 2, UnitResolver::longestName) << unit.longName;
                if (language == Language::EnglishBritish)
                    britishNames.insert(withPlainSpaces(unit.longName));
            }
    }
    for (const EverydayNames::Entry& entry : EverydayNames::table())
        for (std::string_view unit : entry.units)
            EXPECT_TRUE(britishNames.contains(std::string(unit))) << unit;
}

TEST(CliList, EveryUnitUnderItsCategoryHeadingOrOneCategoryByName) {
    const std::string length = run({"--list", "LENGTH"}).output;
    EXPECT_TRUE(length.starts_with("#\t1\tLength\n1\t0\tMile (mile, mi)\tmile\t1\n")) << length;
    EXPECT_NE(run({"--list"}).output.find(length), std::string::npos);
    // A tag as people type it chooses the script its region writes.
    EXPECT_TRUE(run({"--language", "zh-TW", "--list", "1"}).output.starts_with("#\t1\t長度\n"));
}

// The memory of failed pairs stays within its bytes, whatever it is given.
TEST(FailedPairs, StayWithinTheirBytesAndKeepTheNewest) {
    FailedPairs failed(4096);
    for (int i = 0; i < 1000; ++i) {
        const std::string key = "name" + std::to_string(i) + "\tkm";
        failed.remember(key, "unknown unit '" + key + "'");
        EXPECT_LE(failed.bytes(), 4096u);
        ASSERT_NE(failed.find(key), nullptr) << key;
        EXPECT_EQ(*failed.find(key), "unknown unit '" + key + "'");
    }
    const std::string huge(5000, 'x');
    failed.remember(huge, "unknown unit");
    EXPECT_EQ(failed.find(huge), nullptr);
    EXPECT_NE(failed.find("name999\tkm"), nullptr); // nothing given up for it
}

} // namespace
} // namespace ratio
