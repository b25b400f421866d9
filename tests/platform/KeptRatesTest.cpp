#include "platform/CurrencyUpdate.h"

#include "localization/EnglishBritishStrings.h"
#include "platform/KeptRatesDocument.h"
#include "support/CurrencyCategory.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratio {
namespace {

const QByteArray sampleDocument = "<Cube currency='USD' rate='1.0854'/>\n"
                                  "<Cube currency='GBP' rate='0.8431'/>\n";
const QByteArray errorPage = "<html><body><h1>503 Service Unavailable</h1></body></html>";

const QDate downloadDay(2026, 3, 2);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

class KeptRatesTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    KeptRatesDocument kept{folder.filePath("nested/data")}; // created on the first save
    EnglishBritishStrings strings;
};

TEST_F(KeptRatesTest, UnwritableOrDamagedFileReadsAsNothing) {
    const QString blocker = folder.filePath("blocker");
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    EXPECT_FALSE(KeptRatesDocument(blocker).save(sampleDocument, downloadDay));

    ASSERT_TRUE(kept.save(sampleDocument, downloadDay));
    const QByteArray body = "<Cube currency='USD' rate='1.1'/>";
    const QByteArray size = QByteArray::number(body.size());
    const QByteArray damaged[] = {
        "ratio-rates 1 2026-03-02 " + size, // no line end
        "ratio-rates 1 " + size + "\n" + body,
        "ratio-ratez 1 2026-03-02 " + size + "\n" + body,
        "ratio-rates 2 2026-03-02 " + size + "\n" + body,
        "ratio-rates 1 2026-13-40 " + size + "\n" + body,
        "ratio-rates 1 2026-03-02 " + size + "\n" + body.chopped(1),
        "ratio-rates 1 2026-03-02 " + size + "\n" + body + "x",
        "ratio-rates 1 2026-03-02 4194304\n" + QByteArray(4 << 20, 'x'), // over the maximum
    };
    for (const QByteArray& content : damaged) {
        QFile file(kept.filePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        EXPECT_FALSE(kept.load()) << content.left(40).toStdString();
    }
}

TEST_F(KeptRatesTest, DownloadedThenRestoredWithItsOwnDate) {
    UnitCatalogue running = testing::catalogueWithCurrencyCategory();
    EXPECT_FALSE(applyKeptRates(running, strings, kept, british)); // nothing kept yet
    ASSERT_TRUE(applyDownloadedRates(running, strings, kept, sampleDocument, british, downloadDay));
    // Nothing without rates, undated or oversized replaces what was kept.
    const QDate later = downloadDay.addDays(1);
    EXPECT_FALSE(applyDownloadedRates(running, strings, kept, errorPage, british, later));
    EXPECT_EQ(running[0].nameSingle, "Currency 02/03/2026");
    EXPECT_FALSE(kept.save(errorPage, QDate()));
    EXPECT_FALSE(kept.save(QByteArray(2 << 20, ' '), later));

    // The next start, days later and offline.
    UnitCatalogue restarted = testing::catalogueWithCurrencyCategory();
    ASSERT_TRUE(applyKeptRates(restarted, strings, kept, british));
    EXPECT_EQ(restarted[0].nameSingle, "Currency 02/03/2026");
    EXPECT_EQ(testing::shortNames(restarted[0]), (std::vector<std::string>{"€", "$", "£"}));
    EXPECT_TRUE(restarted[0].unitDefinitions[2].added) << "£ is the British locale's currency";
}

} // namespace
} // namespace ratio
