// Start-up as main() runs it, over stores and rate files in a temporary
// folder: the stored pair, damaged files and a rate server that misbehaves.
#include "MainScreenFixture.h"
#include "support/CannedHttpServer.h"

#include <QDir>

namespace ratio {
namespace {

using testing::CannedHttpServer;
using testing::httpAnswer;
using testing::sampleRates;

const std::string euro = "Euro (\u20ac, EUR)", dollar = "United States dollar ($, USD)";

// One launch over the test's store and data folder, as main() starts it.
struct Launch : MainScreen {
    Launch(KeyValueStore& settings, const QString& dataFolder) : MainScreen(&settings, dataFolder) {
        launch();
    }
};

class StartUpTest : public ::testing::Test {
  protected:
    QString dataFolder() const { return folder.filePath("data"); }
    // Stores a pair as a British English run leaves it.
    void storePair(const std::string& unit0, const std::string& unit1) {
        for (const char* key : {"unit0", "unit0BritishName"})
            store.setText(key, unit0);
        for (const char* key : {"unit1", "unit1BritishName"})
            store.setText(key, unit1);
    }

    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
};

TEST_F(StartUpTest, RestoresAStoredPairOrFallsBackToTheDefault) {
    ASSERT_TRUE(KeptRatesDocument(dataFolder()).save(sampleRates, QDate(2026, 12, 4)));
    { Launch first(store, dataFolder()); } // nothing stored yet
    // Which stored pairs are found is the lookup's business (tested with it); these
    // show the start hands it the kept rates and stores what it shows.
    const struct {
        const char* what;
        std::string unit0, unit1, shown0, shown1;
    } cases[] = {
        {"two currencies of the kept document", euro, dollar, euro, dollar},
        {"an unknown name", euro, "Furlong of the moon", "Mile (mile, mi)", "Kilometre (km)"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        storePair(row.unit0, row.unit1);
        Launch launch(store, dataFolder());
        EXPECT_EQ(launch.main->Unit0LongNameLabel->text().toStdString(), row.shown0);
        EXPECT_EQ(launch.main->Unit1LongNameLabel->text().toStdString(), row.shown1);
        // What is shown is what is stored for the next start, in this run's
        // language (British) under both kinds of key.
        for (const char* key : {"unit0", "unit0BritishName"})
            EXPECT_EQ(store.value(key).text(), row.shown0) << key;
        for (const char* key : {"unit1", "unit1BritishName"})
            EXPECT_EQ(store.value(key).text(), row.shown1) << key;
    }
    EXPECT_EQ(store.value("APP_OPENED_COUNT").integer(), 3);
}

// A currency pair whose rates are missing (the kept document is damaged) is
// shown as the default pair but stays stored, and comes back when rates
// arrive, with whatever was typed; units the user chose meanwhile stay. Rates
// that arrive without a stored currency end the wait, and a line says why.
TEST_F(StartUpTest, AStoredCurrencyPairWaitsForItsRates) {
    const std::string mile = "Mile (mile, mi)", km = "Kilometre (km)";
    const std::string ruble = "Russian ruble (₽, RUB, руб)";
    const struct {
        const char* what;
        std::string unit0, unit1; // stored
        const char* keys;         // pressed meanwhile
        std::string shown0, shown1;
        QString row0, row1;
        std::string missingRate = "";
    } cases[] = {
        {"a number typed", euro, dollar, "12", euro, dollar, "12 \u20ac", "13.0248 $"},
        {"no rate for the ruble", ruble, euro, "", mile, km, "0 mile", "0 km",
         ruble + ": 1 € = ? ₽"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        storePair(row.unit0, row.unit1);
        // A kept document cut off in the middle of a rate reads as none.
        ASSERT_TRUE(QDir().mkpath(dataFolder()) &&
                    testing::writeFile(KeptRatesDocument(dataFolder()).filePath(),
                                       "2026-12-04\n9999999\n<Cube currency='USD' rate='1.0"));
        CannedHttpServer server(httpAnswer("200 OK", sampleRates));
        Launch launch(store, dataFolder());
        EXPECT_FALSE(carriesRatesOfADocument(unitCatalogue()[0]));
        EXPECT_EQ(launch.row0(), "0 mile");
        EXPECT_EQ(store.value("unit0").text(), row.unit0);
        EXPECT_EQ(store.value("unit1").text(), row.unit1);
        launch.press(row.keys);
        launch.delegate.applicationDidBecomeActive();
        ASSERT_TRUE(launch.settles());
        EXPECT_EQ(store.value("unit0").text(), row.shown0);
        EXPECT_EQ(store.value("unit1").text(), row.shown1);
        EXPECT_EQ(launch.row0(), row.row0);
        EXPECT_EQ(launch.row1(), row.row1);
        EXPECT_EQ(launch.main->MissingRateLabel->text().toStdString(), row.missingRate);
        EXPECT_EQ(launch.main->MissingRateLabel->isVisibleTo(launch.main.get()),
                  !row.missingRate.empty());
    }
}

// Newer rates reach the pair on screen at once: the typed number and the
// pending operation stay, and row 1 converts with the new rate. A good answer
// is kept for an offline start and the next request asks for a newer document.
TEST_F(StartUpTest, NewerRatesConvertThePairOnScreenAtOnceAndAreKept) {
    storePair(euro, dollar);
    ASSERT_TRUE(KeptRatesDocument(dataFolder())
                    .save(testing::rateDocument("2020-01-02", "<Cube currency='USD' rate='1.5'/>"),
                          QDate(2020, 1, 2)));
    CannedHttpServer server(httpAnswer("200 OK", sampleRates));
    Launch launch(store, dataFolder());
    launch.press("10+");
    EXPECT_EQ(launch.row1(), "15 $");
    for (int request = 0; request < 2; ++request) {
        launch.delegate.applicationDidBecomeActive();
        ASSERT_TRUE(launch.settles());
    }
    EXPECT_EQ(unitCatalogue()[0].nameSingle, "Currency 04/12/2026"); // the rates' own day
    EXPECT_EQ(launch.row0(), "10 \u20ac");
    EXPECT_EQ(launch.row1(), "10.854 $");
    launch.press("5=");
    EXPECT_EQ(launch.row0(), "15 \u20ac");
    EXPECT_EQ(launch.row1(), "16.281 $");
    ASSERT_EQ(server.requestHeads.size(), 2u);
    // The second asks for rates newer than the first one's answer.
    EXPECT_TRUE(server.requestHeads[0].contains("If-Modified-Since: Thu, 02 Jan 2020"));
    EXPECT_TRUE(server.requestHeads[1].contains("If-Modified-Since"));
    EXPECT_FALSE(server.requestHeads[1].contains("2020"));
    const auto kept = KeptRatesDocument(dataFolder()).load();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->document, sampleRates);
}

// The window answers keys while the server is silent, and closing it mid-request is safe.
TEST_F(StartUpTest, AHungServerNeitherBlocksTheWindowNorOutlivesIt) {
    CannedHttpServer server{QByteArray()};
    auto launch = std::make_unique<Launch>(store, dataFolder());
    launch->delegate.applicationDidBecomeActive();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requestLines.empty(); }, 10000));
    QTest::keyClick(launch->main.get(), '5');
    EXPECT_EQ(launch->row0(), "5 mile");
    EXPECT_EQ(launch->delegate.pendingRateRequests(), 1);
    launch.reset();
    // The request goes with the window rather than hanging on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.closedConnections == 1; }, 10000));
}

} // namespace
} // namespace ratio
