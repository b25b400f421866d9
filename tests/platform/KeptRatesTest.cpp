#include "platform/CurrencyUpdate.h"

#include "platform/KeptRatesDocument.h"
#include "support/CurrencyCategory.h"

#include "localization/EnglishBritishStrings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratio {
namespace {

const QByteArray sampleDocument = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<gesmes:Envelope>\n\t<Cube>\n\t\t<Cube time='2026-03-02'>\n"
                                  "\t\t\t<Cube currency='USD' rate='1.0854'/>\n"
                                  "\t\t\t<Cube currency='GBP' rate='0.8431'/>\n"
                                  "\t\t\t<Cube currency='CHF' rate='0.9377'/>\n"
                                  "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";

const QDate downloadDay(2026, 3, 2);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

using testing::shortNames;

class KeptRatesTest : public ::testing::Test {
  protected:
    void writeRaw(const QByteArray& content) {
        QFile file(KeptRatesDocument(folder.path()).filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir folder;
    EnglishBritishStrings strings;
};

TEST_F(KeptRatesTest, SurvivesARestart) {
    ASSERT_TRUE(KeptRatesDocument(folder.path()).save(sampleDocument, downloadDay));
    const auto kept = KeptRatesDocument(folder.path()).load();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->document, sampleDocument);
    EXPECT_EQ(kept->downloaded, downloadDay);
}

TEST_F(KeptRatesTest, DamagedFileReadsAsNothing) {
    const QByteArray body = "<Cube currency='USD' rate='1.1'/>";
    const QByteArray size = QByteArray::number(body.size());
    const QByteArray damaged[] = {
        "",
        "ratio-rates 1 2026-03-02 " + size, // no line end
        "something else entirely\n" + body,
        "ratio-rates 2 2026-03-02 " + size + "\n" + body,
        "ratio-rates 1 2026-13-40 " + size + "\n" + body,
        "ratio-rates 1 2026-03-02 " + size + "\n" + body.chopped(1),
        "ratio-rates 1 2026-03-02 " + size + "\n" + body + "x",
        "ratio-rates 1 2026-03-02 -5\n" + body,
        "ratio-rates 1 2026-03-02 many\n" + body,
        "ratio-rates 1 2026-03-02 0 " + size + "\n" + body,
        QByteArray(4 << 20, 'x') + "\n",
    };
    for (const QByteArray& content : damaged) {
        writeRaw(content);
        EXPECT_FALSE(KeptRatesDocument(folder.path()).load()) << content.left(40).toStdString();
    }
    QFile::remove(KeptRatesDocument(folder.path()).filePath());
    EXPECT_FALSE(KeptRatesDocument(folder.path()).load());
}

TEST_F(KeptRatesTest, UnwritableFolderKeepsTheOldFile) {
    const QString blocker = folder.filePath("blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(KeptRatesDocument(blocker).save(sampleDocument, downloadDay));
    EXPECT_FALSE(KeptRatesDocument(blocker).load());

    KeptRatesDocument kept(folder.filePath("nested/data"));
    ASSERT_TRUE(kept.save(sampleDocument, downloadDay));
    EXPECT_FALSE(kept.save(sampleDocument, QDate()));
    EXPECT_FALSE(kept.save(QByteArray(2 << 20, ' '), downloadDay.addDays(1)));
    EXPECT_EQ(kept.load()->downloaded, downloadDay);
}

TEST_F(KeptRatesTest, DownloadedThenRestoredWithItsOwnDate) {
    const KeptRatesDocument kept(folder.path());
    UnitCatalogue running = testing::catalogueWithCurrencyCategory();
    ASSERT_TRUE(applyDownloadedRates(running, strings, kept, sampleDocument, british, downloadDay));
    EXPECT_EQ(running[0].nameSingle, "Currency 02/03/2026");
    EXPECT_TRUE(running[0].unitDefinitions.at(2).added) << "£ is the British locale's currency";

    // The next start, days later and offline.
    UnitCatalogue restarted = testing::catalogueWithCurrencyCategory();
    ASSERT_TRUE(applyKeptRates(restarted, strings, KeptRatesDocument(folder.path()), british));
    EXPECT_EQ(restarted[0].nameSingle, "Currency 02/03/2026");
    EXPECT_EQ(shortNames(restarted[0]), (std::vector<std::string>{"€", "$", "£", "SFr."}));
}

TEST_F(KeptRatesTest, DocumentWithoutRatesIsNeitherAppliedNorKept) {
    const KeptRatesDocument kept(folder.path());
    UnitCatalogue catalogue = testing::catalogueWithCurrencyCategory();
    EXPECT_FALSE(applyKeptRates(catalogue, strings, kept, british)); // nothing kept yet
    EXPECT_TRUE(catalogue[0].unitDefinitions.empty());
    ASSERT_TRUE(
        applyDownloadedRates(catalogue, strings, kept, sampleDocument, british, downloadDay));
    const QByteArray errorPage = "<html><body><h1>503 Service Unavailable</h1></body></html>";
    EXPECT_FALSE(
        applyDownloadedRates(catalogue, strings, kept, errorPage, british, downloadDay.addDays(1)));
    EXPECT_EQ(catalogue[0].nameSingle, "Currency 02/03/2026");
    EXPECT_EQ(catalogue[0].unitDefinitions.size(), 4u);
    EXPECT_EQ(kept.load()->document, sampleDocument);

    // A kept file that somehow holds no rates changes nothing either.
    ASSERT_TRUE(kept.save(errorPage, downloadDay));
    UnitCatalogue restarted = testing::catalogueWithCurrencyCategory();
    EXPECT_FALSE(applyKeptRates(restarted, strings, kept, british));
    EXPECT_TRUE(restarted[0].unitDefinitions.empty());
    EXPECT_EQ(restarted[0].nameSingle, "Currency");
}

} // namespace
} // namespace ratio
