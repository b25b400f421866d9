// ratio-cli as scripts use it: a separate process with its own environment.
#include "platform/KeptRatesDocument.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ratio {
namespace {

const QByteArray sampleRates = "<Cube>\n<Cube time='2026-12-04'>\n"
                               "<Cube currency='USD' rate='1.0854'/>\n"
                               "<Cube currency='JPY' rate='160.5'/>\n</Cube>\n</Cube>\n";

class CliProcessTest : public ::testing::Test {
  protected:
    QTemporaryDir home;

    struct Result {
        int status;
        QByteArray output;
        QByteArray errors;
    };

    Result run(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("LANG", "en_GB.UTF-8");
        environment.insert("LC_ALL", "en_GB.UTF-8");
        environment.remove("LANGUAGE");
        process.setProcessEnvironment(environment);
        process.start(RATIO_CLI_PATH, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

    QStringList filesUnderHome() const {
        QStringList files;
        QDirIterator it(home.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        return files;
    }
};

TEST_F(CliProcessTest, StandardOutputCarriesOnlyResults) {
    const Result result = run({"--locale", "en_GB", "1.25"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "1.25 mile\n2.01168 km\n");
    EXPECT_EQ(result.errors, "DecimalSeparatorInputPlace 0\nDecimalSeparatorInputPlace 1\n");
}

TEST_F(CliProcessTest, ExitStatusTellsUsageErrorsAndFailedLines) {
    EXPECT_EQ(run({"--help"}).status, 0);
    EXPECT_TRUE(run({"--help"}).output.startsWith("Usage: ratio-cli"));
    const Result usage = run({"--to", "nowhere"});
    EXPECT_EQ(usage.status, 2);
    EXPECT_TRUE(usage.output.isEmpty());
    EXPECT_TRUE(usage.errors.startsWith("ratio-cli: unknown unit 'nowhere'\n"));
    EXPECT_EQ(run({"--batch"}, "1\tkm\tm\n1\tkm\n").status, 1);
}

TEST_F(CliProcessTest, RatesFileNamesCurrencyUnits) {
    QFile file(home.filePath("rates.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(sampleRates);
    file.close();
    const Result result =
        run({"--locale", "en_GB", "--rates", file.fileName(), "convert", "100", "$", "€"});
    EXPECT_EQ(result.status, 0) << result.errors.toStdString();
    EXPECT_EQ(result.output, "92.13193293 €\n");
    EXPECT_EQ(run({"convert", "100", "$", "€"}).status, 2);
}

TEST_F(CliProcessTest, ReadsTheKeptDocumentButWritesNothing) {
    KeptRatesDocument kept(home.filePath("data/Ratio/Ratio"));
    ASSERT_TRUE(kept.save(sampleRates, QDate(2026, 12, 4)));
    const QStringList before = filesUnderHome();
    const Result result = run({"--locale", "en_GB", "--from", "€", "--to", "¥", "2"});
    EXPECT_EQ(result.status, 0) << result.errors.toStdString();
    EXPECT_EQ(result.output, "2 €\n321 ¥\n");
    EXPECT_EQ(filesUnderHome(), before);
}

} // namespace
} // namespace ratio
