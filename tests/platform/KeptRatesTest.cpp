#include "platform/CurrencyUpdate.h"

#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"
#include "platform/KeptRatesDocument.h"
#include "support/CurrencyCategory.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ratio {
namespace {

const QByteArray sampleDocument = "<Cube><Cube currency='USD' rate='1.0854'/>\n"
                                  "<Cube currency='GBP' rate='0.8431'/></Cube>\n";
const QByteArray errorPage = "<html><body><h1>503 Service Unavailable</h1></body></html>";

const QDate downloadDay(2026, 3, 2);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How much of the unit one euro buys.
std::optional<BDouble> perEuro(const UnitDefinition& unit) {
    return applyBackwards(unit.metricsCalculations, 1);
}

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
    EXPECT_EQ(running[0].nameSingle, "Currency 02/03/2026"); // undated: the download day
    EXPECT_FALSE(kept.save(errorPage, QDate()));
    EXPECT_FALSE(kept.save(QByteArray(2 << 20, ' '), later));

    // The next start, days later and offline.
    UnitCatalogue restarted = testing::catalogueWithCurrencyCategory();
    ASSERT_EQ(applyKeptRates(restarted, strings, kept, british), downloadDay);
    EXPECT_EQ(restarted[0].nameSingle, "Currency 02/03/2026");
    EXPECT_EQ(testing::shortNames(restarted[0]),
              (std::vector<std::string>{"€", "$", "£", "лв", "HRK"}));
    EXPECT_TRUE(restarted[0].unitDefinitions[2].added) << "£ is the British locale's currency";
}

// Kept: rates of 4 January 2024, downloaded on 2 March 2026. What comes on
// 5 March 2026 either replaces them, named with its own date, or leaves the
// kept file and the units exactly as they were.
TEST_F(KeptRatesTest, OnlyASoundDocumentNotOlderThanTheKeptOneReplacesIt) {
    const auto dated = [](const char* day, const QByteArray& rates) {
        return "<Cube><Cube time='" + QByteArray(day) + "'>\n" + rates + "</Cube></Cube>\n";
    };
    const QByteArray keptDocument = dated("2024-01-04", sampleDocument);
    const QByteArray other = "<Cube currency='USD' rate='1.2'/>\n";
    const QDate today(2026, 3, 5);
    const struct {
        const char* what;
        QByteArray document;
        bool replaces;
        const char* name; // of the category afterwards
    } cases[] = {
        {"older", dated("1999-01-04", "<Cube currency='USD' rate='1.1789'/>"), false,
         "Currency 04/01/2024"},
        {"newer, one rate unreadable",
         dated("2024-01-05", "<Cube currency='USD' rate='1.1'/>\n"
                             "<Cube currency='JPY' rate='0.01.0953'/>"),
         false, "Currency 04/01/2024"},
        {"newer, one rate zero", dated("2024-01-05", other + "<Cube currency='GBP' rate='0.000'/>"),
         false, "Currency 04/01/2024"},
        {"dated after tomorrow", dated("2026-03-07", other), false, "Currency 04/01/2024"},
        {"the same day", dated("2024-01-04", other), true, "Currency 04/01/2024"},
        {"newer", dated("2024-01-05", other), true, "Currency 05/01/2024"},
        {"dated tomorrow", dated("2026-03-06", other), true, "Currency 06/03/2026"},
        {"undated", other, true, "Currency 05/03/2026"},
        {"a date that is no date", dated("2024-01-04x", other), true, "Currency 05/03/2026"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(kept.save(keptDocument, downloadDay));
        UnitCatalogue catalogue = testing::catalogueWithCurrencyCategory();
        ASSERT_TRUE(applyKeptRates(catalogue, strings, kept, british));
        EXPECT_EQ(catalogue[0].nameSingle, "Currency 04/01/2024");
        const Category before = catalogue[0];
        const QByteArray keptFile = fileBytes(kept.filePath());

        const bool replaced =
            applyDownloadedRates(catalogue, strings, kept, row.document, british, today);
        EXPECT_EQ(replaced, row.replaces);
        EXPECT_EQ(catalogue[0].nameSingle, row.name);
        const bool keptAsItWas = fileBytes(kept.filePath()) == keptFile;
        const bool unitsAsTheyWere =
            testing::shortNames(catalogue[0]) == testing::shortNames(before) &&
            perEuro(catalogue[0].unitDefinitions[1]) == perEuro(before.unitDefinitions[1]);
        EXPECT_NE(replaced, keptAsItWas);
        EXPECT_NE(replaced, unitsAsTheyWere);
        if (replaced) {
            EXPECT_EQ(kept.load()->document, row.document);
            EXPECT_EQ(kept.load()->downloaded, today);
        }
    }
}

} // namespace
} // namespace ratio
