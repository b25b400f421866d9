// ratio-cli in-process with a pinned locale and language: keys, units as
// people type them, values as scripts write them, usage errors, batch, list,
// and the bounded memory of the pairs a batch failed on. Then as scripts use
// it: a separate process with its own home, running update-rates against a
// local server, and batches whose reader goes away.
#include "cli/CliApplication.h"
#include "cli/FailedPairs.h"
#include "localization/Localization.h"
#include "localization/TextFolding.h"
#include "platform/HistoryFile.h"
#include "platform/KeptRatesDocument.h"
#include "support/CannedHttpServer.h"
#include "support/CoreApplication.h"
#include "support/SampleRates.h"
#include "units/EverydayNames.h"
#include "units/UnitCatalogueBuilder.h"
#include "units/UnitResolver.h"

#include <QDate>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <fstream>
#include <iterator>
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

using testing::CannedHttpServer;
using testing::fileBytes;
using testing::httpAnswer;
using testing::rateDocument;
using testing::sampleRates;

// A batch of good lines, their units taking turns.
std::string batchFile(const QTemporaryDir& folder, int lines) {
    const char* pairs[] = {"mile\tkm\r\n", "degC\tdegF\n", "kg\tlb\n", "m^2\tsqmi\n"};
    const std::string input = folder.filePath("lines.txt").toStdString();
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    for (int i = 0; i < lines; ++i)
        out << i << ".5e-1\t" << pairs[i % 4];
    return input;
}

// Runs ratio-cli --batch with standard input from `input`, standard output to
// `output` and standard error to `errors`; gives the wait status.
// `ignorePipeSignal` starts it as a parent that ignores SIGPIPE does.
int runBatch(const std::string& input, int output, int errors, bool ignorePipeSignal) {
    const pid_t child = ::fork();
    if (child == 0) { // only calls that are safe between fork and exec
        ::dup2(::open(input.c_str(), O_RDONLY), STDIN_FILENO);
        ::dup2(output, STDOUT_FILENO);
        ::dup2(errors, STDERR_FILENO);
        ::signal(SIGPIPE, ignorePipeSignal ? SIG_IGN : SIG_DFL); // whatever this program does
        ::execl(RATIO_CLI_PATH, RATIO_CLI_PATH, "--locale", "en_GB", "--language", "en-GB",
                "--batch", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = -1;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    return status;
}

struct Result {
    int status;
    QByteArray output;
    QByteArray errors;
};

class CliProcessTest : public ::testing::Test {
  protected:
    // An event loop serves the local server while ratio-cli runs.
    static void SetUpTestSuite() { testing::ensureCoreApplication(); }

    Result run(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("LC_ALL", "en_GB.UTF-8");
        for (const char* proxy :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            environment.remove(proxy);
        process.setProcessEnvironment(environment);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        process.start(RATIO_CLI_PATH,
                      QStringList{"--locale", "en_GB", "--language", "en-GB"} + arguments);
        process.write(input);
        process.closeWriteChannel();
        loop.exec();
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "ratio-cli did not finish: " << arguments.join(' ').toStdString();
        }
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    KeptRatesDocument kept() const { return KeptRatesDocument(home.filePath("data/Ratio/Ratio")); }

    QTemporaryDir home;
};

// Kept: rates of 4 January 2024. update-rates keeps what it reads with the
// window's reader, however the bank or a mirror writes the document (the first
// rate of a currency counts). A failed, oversized or spoiled answer is refused
// and says why; an older one is no failure but changes nothing. Refused, the
// kept file stays byte for byte and the currencies keep its date.
TEST_F(CliProcessTest, UpdateRatesKeepsEveryWayOfWritingTheDocumentAndNothingElse) {
    QByteArray doubled = sampleRates, twice = sampleRates;
    doubled.replace('\'', '"');
    twice.replace("</Cube></Cube>", "<Cube currency='USD' rate='9'/></Cube></Cube>");
    static const QByteArray unchanged = "1.5\n\n", sample = "1.0854\n160.5\n";
    const struct {
        QByteArray answer;
        int status;
        QByteArray message; // a part of standard output with status 0, else of standard error
        QByteArray values = unchanged; // of the euro in dollars and in yen afterwards
    } cases[] = {
        {httpAnswer("500 Oops", sampleRates), 1, "no rate document from http://127.0.0.1:"},
        {"", 1, ": no complete answer within 1 s;"}, // the server hangs
        {httpAnswer("200 OK", QByteArray(1024 * 1024 + 10, ' ')), 1, "larger than 1 MiB"},
        {httpAnswer("200 OK", "<Cube><Cube currency='USD' rate='1.0854'/><Cube"), 1, ""},
        {httpAnswer("200 OK", rateDocument("1999-01-04", "<Cube currency='USD' rate='1.1'/>")), 0,
         "the kept rates of 2024-01-04 are newer than the rates of 1999-01-04 from "
         "http://127.0.0.1"},
        {httpAnswer("200 OK", sampleRates), 0, "", sample},
        {httpAnswer("200 OK", doubled), 0, "", sample},
        {httpAnswer("200 OK", twice), 0, "", sample},
        {httpAnswer("200 OK", "<e:Cube xmlns:e=\"urn:rates\"><e:Cube time='2026-12-04'>"
                              "<e:Cube currency='USD' rate='1.0854'/>"
                              "<e:Cube currency='JPY' rate='160.5'/></e:Cube></e:Cube>"),
         0, "", sample}, // a namespace prefix
        {httpAnswer("200 OK", rateDocument("2026-12-04", "<Cube currency='USD' rate='2'/>")), 0, "",
         "2\n\n"}, // a missing rate
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.answer.left(80).toStdString());
        ASSERT_TRUE(kept().save(rateDocument("2024-01-04", "<Cube currency='USD' rate='1.5'/>"),
                                QDate(2026, 1, 2)));
        const QByteArray keptFile = fileBytes(kept().filePath());
        {
            const CannedHttpServer server(row.answer);
            const Result result = run({"--timeout", "1", "update-rates"});
            EXPECT_EQ(result.status, row.status);
            const QByteArray& said = row.status == 0 ? result.output : result.errors;
            EXPECT_TRUE(said.contains(row.message)) << said.toStdString();
            EXPECT_EQ(said.contains("the kept rates are unchanged"), row.values == unchanged);
            EXPECT_EQ(row.status == 0 ? result.errors : result.output, "");
            EXPECT_EQ(server.requestLines.size(), 1u);
        }
        EXPECT_EQ(run({"--plain", "--exact", "--batch"}, "1\tEUR\tUSD\n1\tEUR\tJPY\n").output,
                  row.values);
        if (row.values != unchanged)
            continue;
        EXPECT_EQ(fileBytes(kept().filePath()), keptFile);
        EXPECT_TRUE(run({"--list", "0"}).output.startsWith("#\t0\tCurrency 04/01/2024\n"));
    }
}

// What the window keeps (here written as it writes), --record adds to, history
// prints oldest first and --clear empties; nothing else writes to it.
TEST_F(CliProcessTest, HistoryIsTheWindowsTapeRecordedPrintedAndCleared) {
    const HistoryFile window(home.filePath("data/Ratio/Ratio"));
    ASSERT_TRUE(window.append({{"2026-12-05T14:03:09+01:00", "1 ÷ 3", "1/3", "", {}}}));
    EXPECT_EQ(run({"5C"}).status, 0); // recorded only when asked
    EXPECT_EQ(run({"--record", "2*3=C"}).status, 0);
    const Result printed = run({"history"});
    EXPECT_EQ(printed.status, 0);
    const QList<QByteArray> lines = printed.output.split('\n');
    ASSERT_EQ(lines.size(), 4); // and the empty rest after the last line end
    EXPECT_EQ(lines[0], "2026-12-05T14:03:09+01:00\t1 ÷ 3\t1/3\t\t\t\t");
    EXPECT_TRUE(lines[1].endsWith("\t2 × 3\t6\t\t\t\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].endsWith("\t\t6\t9.656064\tMile (mile, mi)\tKilometre (km)\t"))
        << lines[2].toStdString();
    EXPECT_EQ(window.load().size(), 3u);
    EXPECT_EQ(run({"history", "--clear"}).status, 0);
    EXPECT_TRUE(window.load().empty());
    EXPECT_EQ(run({"--clear", "2"}).status, 2);
}

// A reader gone, as after `| head`, ends ratio-cli by the signal or, where the
// signal is ignored, with status 1; quietly either way. A full disk is said.
TEST_F(CliProcessTest, AFailedWriteIsReportedAndAClosedPipeEndsQuietly) {
    const std::string input = batchFile(home, 100000);
    const std::string errorsPath = home.filePath("errors.txt").toStdString();
    const struct {
        bool fullDisk, ignorePipeSignal, killed;
        const char* errors;
    } cases[] = {
        {false, false, true, ""},
        {false, true, false, ""},
        {true, false, false, "ratio-cli: cannot write the output: No space left on device\n"},
    };
    for (const auto& c : cases) {
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        ::close(pipeEnds[0]);
        const int output = c.fullDisk ? ::open("/dev/full", O_WRONLY) : pipeEnds[1];
        const int errors = ::open(errorsPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int status = runBatch(input, output, errors, c.ignorePipeSignal);
        if (c.fullDisk)
            ::close(output);
        ::close(pipeEnds[1]);
        ::close(errors);
        EXPECT_TRUE(c.killed ? WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE
                             : WIFEXITED(status) && WEXITSTATUS(status) == 1)
            << status << " " << c.errors;
        std::ifstream written(errorsPath);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), c.errors);
    }
}

} // namespace
} // namespace ratio
