// Start-up as main() runs it, over stores and rate files in a temporary
// folder: the stored pair, the launch count, damaged files and a rate server
// that misbehaves.
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/NumberRowLabel.h"
#include "engine/OperatorMode.h"
#include "localization/Localization.h"
#include "platform/QSettingsStore.h"
#include "support/CannedHttpServer.h"
#include "support/MemoryKeyValueStore.h"
#include "units/UnitCatalogue.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ratio {
namespace {

using testing::CannedHttpServer;
using testing::httpAnswer;

const QByteArray rateDocument = "<Cube>\n<Cube time='2026-12-04'>\n"
                                "<Cube currency='USD' rate='1.0854'/>\n"
                                "<Cube currency='GBP' rate='0.8431'/>\n</Cube>\n</Cube>\n";

std::string longName(std::size_t category, std::size_t unit) {
    return unitCatalogue()[category].unitDefinitions[unit].longName;
}

// One launch: the delegate's start-up, then the main screen, as main() does.
struct Launch {
    Launch(KeyValueStore& store, const QString& dataFolder)
        : delegate(store, KeptRatesDocument(dataFolder), QLocale("en_GB")) {
        OperatorMode::shared().setModeEnum(Mode::None);
        delegate.didFinishLaunching();
        screen = std::make_unique<CalculatorViewController>(delegate);
        delegate.window = screen.get();
    }
    QString row0() const { return screen->Number0Label->text(); }
    QString row1() const { return screen->Number1Label->text(); }
    bool settles() {
        return QTest::qWaitFor([this] { return delegate.pendingRateRequests() == 0; }, 10000);
    }

    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> screen;
};

class StartUpTest : public ::testing::Test {
  protected:
    StartUpTest() {
        Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
    }
    QString dataFolder() const { return folder.filePath("data"); }
    void keepRates() {
        ASSERT_TRUE(KeptRatesDocument(dataFolder()).save(rateDocument, QDate(2026, 12, 4)));
    }

    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
};

TEST_F(StartUpTest, RestoresAStoredPairOrFallsBackToTheDefault) {
    { Launch first(store, dataFolder()); } // builds the catalogue, stores the default pair
    const std::string mile = longName(1, 0), yard = longName(1, 3);
    const std::string otherCategory = longName(3, 0);
    const struct {
        const char* what;
        std::string unit0, unit1;
        QString row0, row1;
    } cases[] = {
        {"two lengths", yard, mile, "0 yd", "0 mile"},
        {"one name twice", yard, yard, "0 mile", "0 km"},
        {"an unknown name", yard, "Furlong of the moon", "0 mile", "0 km"},
        {"two categories", yard, otherCategory, "0 mile", "0 km"},
        {"nothing stored", "", "", "0 mile", "0 km"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        store.setText("unit0", row.unit0);
        store.setText("unit1", row.unit1);
        Launch launch(store, dataFolder());
        EXPECT_EQ(launch.row0(), row.row0);
        EXPECT_EQ(launch.row1(), row.row1);
        // What is shown is what is stored for the next start.
        EXPECT_EQ(store.value("unit0").text(), row.row0 == "0 yd" ? yard : mile);
    }
}

TEST_F(StartUpTest, ACurrencyPairComesBackOnlyWithAKeptDocument) {
    keepRates();
    std::string euro, dollar;
    {
        Launch launch(store, dataFolder());
        ASSERT_GE(unitCatalogue()[0].unitDefinitions.size(), 2u);
        euro = longName(0, 0);
        dollar = longName(0, 1);
    }
    store.setText("unit0", euro);
    store.setText("unit1", dollar);
    {
        Launch launch(store, dataFolder());
        EXPECT_EQ(launch.screen->Unit0LongNameLabel->text().toStdString(), euro);
        EXPECT_EQ(launch.screen->Unit1LongNameLabel->text().toStdString(), dollar);
    }
    QFile::remove(KeptRatesDocument(dataFolder()).filePath());
    Launch offline(store, dataFolder());
    EXPECT_EQ(offline.row0(), "0 mile");
}

TEST_F(StartUpTest, CountsEveryLaunch) {
    { Launch first(store, dataFolder()); }
    { Launch second(store, dataFolder()); }
    EXPECT_EQ(store.value("APP_OPENED_COUNT").integer(), 2);
}

// A settings file of garbage, or one that cannot be written, starts as a first launch.
TEST_F(StartUpTest, SurvivesCorruptAndUnwritableSettings) {
    const QString corrupt = folder.filePath("corrupt.ini");
    QFile file(corrupt);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\xff[unit0\n=\n\x01\x02garbage=[[[\n", 24) +
               QByteArray(5000, '\xfe'));
    file.close();
    ASSERT_TRUE(QFile(folder.filePath("blocker")).open(QIODevice::WriteOnly));
    const QString unwritable = folder.filePath("blocker/settings.ini"); // its folder is a file
    for (const QString& path : {corrupt, unwritable}) {
        SCOPED_TRACE(path.toStdString());
        QSettingsStore settings(path);
        Launch launch(settings, dataFolder());
        QTest::keyClick(launch.screen.get(), '2');
        EXPECT_EQ(launch.row0(), "2 mile");
        EXPECT_EQ(launch.row1(), "3.218688 km");
    }
}

TEST_F(StartUpTest, ADamagedKeptDocumentLeavesCurrenciesOut) {
    QDir().mkpath(dataFolder());
    QFile kept(KeptRatesDocument(dataFolder()).filePath());
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("2026-12-04\n9999999\n<Cube currency='USD' rate='1.0");
    kept.close();
    Launch launch(store, dataFolder());
    EXPECT_TRUE(unitCatalogue()[0].unitDefinitions.empty());
    EXPECT_EQ(launch.row0(), "0 mile");
}

TEST_F(StartUpTest, ADownloadedDocumentIsKeptAndTheNextRequestAsksForANewerOne) {
    CannedHttpServer server(httpAnswer("200 OK", rateDocument));
    Launch launch(store, dataFolder());
    launch.delegate.applicationDidBecomeActive();
    ASSERT_TRUE(launch.settles());
    EXPECT_FALSE(unitCatalogue()[0].unitDefinitions.empty());
    EXPECT_TRUE(KeptRatesDocument(dataFolder()).load());
    launch.delegate.applicationDidBecomeActive();
    ASSERT_TRUE(launch.settles());
    ASSERT_EQ(server.requestHeads.size(), 2u);
    EXPECT_FALSE(server.requestHeads[0].contains("If-Modified-Since"));
    EXPECT_TRUE(server.requestHeads[1].contains("If-Modified-Since"));
}

TEST_F(StartUpTest, GarbageFromTheServerChangesNothing) {
    keepRates();
    for (const QByteArray& answer : {QByteArray("garbage\r\n\r\n"),
                                     httpAnswer("200 OK", "<html>Service unavailable</html>")}) {
        CannedHttpServer server(answer);
        Launch launch(store, dataFolder());
        const auto before = unitCatalogue()[0].unitDefinitions.size();
        launch.delegate.applicationDidBecomeActive();
        ASSERT_TRUE(launch.settles());
        EXPECT_EQ(unitCatalogue()[0].unitDefinitions.size(), before);
        EXPECT_EQ(KeptRatesDocument(dataFolder()).load()->document, rateDocument);
    }
}

// The window answers keys while the server is silent, and closing it mid-request is safe.
TEST_F(StartUpTest, AHungServerNeitherBlocksTheWindowNorOutlivesIt) {
    CannedHttpServer server{QByteArray()};
    auto launch = std::make_unique<Launch>(store, dataFolder());
    launch->delegate.applicationDidBecomeActive();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requestLines.empty(); }, 10000));
    QTest::keyClick(launch->screen.get(), '5');
    EXPECT_EQ(launch->row0(), "5 mile");
    EXPECT_EQ(launch->delegate.pendingRateRequests(), 1);
    launch.reset();
    QTest::qWait(100);
    EXPECT_FALSE(KeptRatesDocument(dataFolder()).load().has_value());
}

} // namespace
} // namespace ratio
