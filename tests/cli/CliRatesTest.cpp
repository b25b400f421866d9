// Rate documents as ratio-cli meets them: files named with --rates, and
// update-rates against a local server, each run as a separate process.
#include "LocalRatesServer.h"

#include "platform/KeptRatesDocument.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ratio {
namespace {

const QByteArray sampleRates =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\""
    " xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
    "<Cube><Cube time='2026-12-04'>\n"
    "<Cube currency='USD' rate='1.0854'/>\n"
    "<Cube currency='JPY' rate='160.5'/>\n"
    "</Cube></Cube></gesmes:Envelope>\n";

class CliRatesTest : public ::testing::Test {
  protected:
    QTemporaryDir home;

    struct Result {
        int status;
        QByteArray output;
        QByteArray errors;
    };

    Result run(const QStringList& arguments, const QString& ratesUrl = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("LC_ALL", "en_GB.UTF-8");
        for (const char* proxy :
             {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            environment.remove(proxy);
        if (!ratesUrl.isEmpty())
            environment.insert("RATIO_RATES_URL", ratesUrl);
        process.setProcessEnvironment(environment);
        process.start(RATIO_CLI_PATH,
                      QStringList{"--locale", "en_GB", "--language", "en-GB"} + arguments);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "ratio-cli did not finish: " << arguments.join(' ').toStdString();
        }
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QString writeFile(const QString& name, const QByteArray& content) {
        QFile file(home.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    KeptRatesDocument kept() const { return KeptRatesDocument(home.filePath("data/Ratio/Ratio")); }
};

struct DocumentCase {
    const char* what;
    QByteArray document;
    const char* output; // of converting 100 USD to EUR; empty when refused
    const char* errors; // a part of standard error
};

TEST_F(CliRatesTest, RatesFilesAreReadAsXmlAndProblemsAreNamed) {
    const DocumentCase cases[] = {
        {"the sample", sampleRates, "92.13193293 €\n", ""},
        {"double quotes and any whitespace",
         "<Cube>\n\t<Cube  currency = \"USD\"\n       rate=\"1.0854\" />\n</Cube>",
         "92.13193293 €\n", ""},
        {"one rate that cannot be read",
         "<Cube><Cube currency='JPY' rate='abc'/><Cube currency='USD' rate='1.0854'/></Cube>",
         "92.13193293 €\n", "skipped rate for JPY: 'abc' is not a plain positive decimal"},
        {"a rate of zero",
         "<Cube><Cube currency='USD' rate='0'/><Cube currency='JPY' rate='1'/></Cube>", "",
         "skipped rate for USD: a rate of zero"},
        {"garbage", "\x01\x02not xml at all", "",
         "is not a usable rate document: not a well-formed XML"},
        {"an error page", "<html><body><p>Service unavailable<br></body></html>", "",
         "not a well-formed XML document"},
        {"a document cut short", sampleRates.left(sampleRates.size() - 30), "",
         "not a well-formed XML document"},
        {"no known currency", "<Cube><Cube currency='XAU' rate='0.5'/></Cube>", "",
         "no usable rate for any known currency"},
        {"empty", "", "", "is not a usable rate document: empty"},
        {"too big", QByteArray(1024 * 1024 + 1, ' '), "", "larger than 1 MiB"},
    };
    for (const DocumentCase& c : cases) {
        const QString path = writeFile("rates.xml", c.document);
        const Result result = run({"--rates", path, "convert", "100", "USD", "EUR"});
        if (*c.output) {
            EXPECT_EQ(result.status, 0) << c.what << ": " << result.errors.toStdString();
            EXPECT_EQ(result.output, c.output) << c.what;
        } else {
            EXPECT_EQ(result.status, 2) << c.what;
            EXPECT_TRUE(result.output.isEmpty()) << c.what;
        }
        EXPECT_TRUE(result.errors.contains(c.errors))
            << c.what << ": " << result.errors.toStdString();
        if (!*c.output && !result.errors.contains("skipped")) {
            EXPECT_TRUE(result.errors.contains(("rates file '" + path + "'").toUtf8())) << c.what;
        }
    }
}

TEST_F(CliRatesTest, ANamedPipeIsRefusedNotWaitedOn) {
    const QString pipe = home.filePath("rates.fifo");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const Result result = run({"--rates", pipe, "convert", "1", "km", "m"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.errors.contains("not a regular file")) << result.errors.toStdString();
    EXPECT_EQ(run({"--rates", home.path(), "convert", "1", "km", "m"}).status, 2); // a folder
}

struct UpdateCase {
    const char* what;
    std::string response; // empty: the server never answers
    const char* errors;
};

TEST_F(CliRatesTest, AFailedUpdateSaysWhyAndKeepsTheDocumentItHad) {
    const QByteArray older = "<Cube><Cube currency='USD' rate='2'/></Cube>";
    const UpdateCase cases[] = {
        {"failing", LocalRatesServer::status(500, "<Cube><Cube currency='USD' rate='9'/></Cube>"),
         "no rate document from http://127.0.0.1"},
        {"failing with its status", LocalRatesServer::status(503, "busy"), ": HTTP status 503;"},
        {"garbage", LocalRatesServer::ok("<html>Moved"), "is not a usable rate document"},
        {"hung", "", ": no complete answer within 1 s;"},
        {"too big", LocalRatesServer::ok(std::string(1024 * 1024 + 10, ' ')), "larger than 1 MiB"},
    };
    for (const UpdateCase& c : cases) {
        ASSERT_TRUE(kept().save(older, QDate(2026, 1, 2)));
        const LocalRatesServer server(c.response);
        const Result result =
            run({"--timeout", "1", "update-rates"}, QString::fromStdString(server.url()));
        EXPECT_EQ(result.status, 1) << c.what;
        EXPECT_TRUE(result.output.isEmpty()) << c.what;
        EXPECT_TRUE(result.errors.contains(c.errors))
            << c.what << ": " << result.errors.toStdString();
        EXPECT_TRUE(result.errors.contains("the kept rates are unchanged")) << c.what;
        EXPECT_EQ(server.requests(), 1) << c.what;
        const auto stillKept = kept().load();
        ASSERT_TRUE(stillKept) << c.what;
        EXPECT_EQ(stillKept->document, older) << c.what;
        EXPECT_EQ(stillKept->downloaded, QDate(2026, 1, 2)) << c.what;
    }
}

TEST_F(CliRatesTest, AGoodUpdateIsKeptAndNamesCurrenciesFromThenOn) {
    const Result before = run({"convert", "10", "EUR", "USD"});
    EXPECT_EQ(before.status, 2);
    EXPECT_TRUE(before.errors.contains("run 'ratio-cli update-rates'"));

    const LocalRatesServer server(LocalRatesServer::ok(sampleRates.toStdString()));
    const Result update = run({"update-rates"}, QString::fromStdString(server.url()));
    EXPECT_EQ(update.status, 0) << update.errors.toStdString();
    EXPECT_TRUE(update.output.startsWith("rates of 2026-12-04: 2 currencies"))
        << update.output.toStdString();
    const auto stored = kept().load();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->document, sampleRates);
    EXPECT_EQ(stored->downloaded, QDate::currentDate());

    const Result after = run({"convert", "10", "EUR", "USD"});
    EXPECT_EQ(after.status, 0) << after.errors.toStdString();
    EXPECT_EQ(after.output, "10.854 $\n");
    const QByteArray today = QDate::currentDate().toString("dd/MM/yyyy").toLatin1();
    EXPECT_TRUE(run({"--list", "currency"}).output.startsWith("#\t0\tCurrency " + today + "\n"));
}

} // namespace
} // namespace ratio
