// ratio-cli as scripts use it: a separate process with its own home, running
// update-rates against a local server, and batches whose reader goes away.
#include "support/CannedHttpServer.h"
#include "support/CoreApplication.h"
#include "support/SampleRates.h"

#include "platform/HistoryFile.h"
#include "platform/KeptRatesDocument.h"

#include <QDate>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

namespace ratio {
namespace {

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
