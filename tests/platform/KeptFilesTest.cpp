// The files kept between runs: the downloaded rates, and the history that
// writers share at once; neither is ever lost to damage.
#include "platform/CurrencyUpdate.h"
#include "platform/HistoryFile.h"

#include "localization/EnglishBritishStrings.h"
#include "platform/KeptRatesDocument.h"
#include "support/CurrencyCategory.h"
#include "support/SampleRates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

namespace ratio {
namespace {

using testing::fileBytes;
using testing::perEuro;
using testing::rateDocument;
using testing::sampleRates;
using testing::shortNames;

const QDate downloadDay(2026, 12, 7);
const QLocale british(QLocale::English, QLocale::UnitedKingdom);

class KeptRatesTest : public ::testing::Test {
  protected:
    QTemporaryDir folder;
    KeptRatesDocument kept{folder.filePath("nested/data")}; // created on the first save
    EnglishBritishStrings strings;
};

TEST_F(KeptRatesTest, UnsavableOrDamagedFilesAreNothing) {
    const QString blocker = folder.filePath("blocker");
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    EXPECT_FALSE(KeptRatesDocument(blocker).save(sampleRates, downloadDay));
    EXPECT_FALSE(kept.save(sampleRates, QDate()));
    EXPECT_FALSE(kept.save(QByteArray(2 << 20, ' '), downloadDay));

    ASSERT_TRUE(kept.save(sampleRates, downloadDay));
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
        ASSERT_TRUE(testing::writeFile(kept.filePath(), content));
        EXPECT_FALSE(kept.load()) << content.left(40).toStdString();
    }
}

// Kept: the sample rates of 4 December, downloaded on the 7th and restored
// offline. What comes on the 10th either replaces them, named with its own
// date, or leaves the kept file and the units exactly as they were.
TEST_F(KeptRatesTest, OnlyASoundDocumentNotOlderThanTheKeptOneReplacesIt) {
    const QByteArray other = "<Cube currency='USD' rate='1.2'/>\n";
    const QDate today(2026, 12, 10);
    const struct {
        const char* what;
        QByteArray document;
        bool replaces;
        const char* name; // of the category afterwards
    } cases[] = {
        {"older", rateDocument("1999-01-04", other), false, "Currency 04/12/2026"},
        {"newer, one rate zero",
         rateDocument("2026-12-05", other + "<Cube currency='GBP' rate='0.000'/>"), false,
         "Currency 04/12/2026"},
        {"dated after tomorrow", rateDocument("2026-12-12", other), false, "Currency 04/12/2026"},
        {"the same day", rateDocument("2026-12-04", other), true, "Currency 04/12/2026"},
        {"newer", rateDocument("2026-12-05", other), true, "Currency 05/12/2026"},
        {"dated tomorrow", rateDocument("2026-12-11", other), true, "Currency 11/12/2026"},
        {"undated", other, true, "Currency 10/12/2026"},
        {"a date that is no date", rateDocument("2026-12-04x", other), true, "Currency 10/12/2026"},
    };
    UnitCatalogue catalogue = testing::catalogueWithCurrencyCategory();
    EXPECT_FALSE(applyKeptRates(catalogue, strings, kept, british)); // nothing kept yet
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(kept.save(sampleRates, downloadDay));
        catalogue = testing::catalogueWithCurrencyCategory();
        ASSERT_EQ(applyKeptRates(catalogue, strings, kept, british), downloadDay);
        EXPECT_EQ(catalogue[0].nameSingle, "Currency 04/12/2026");
        const Category before = catalogue[0];
        const QByteArray keptFile = fileBytes(kept.filePath());

        const bool replaced =
            applyDownloadedRates(catalogue, strings, kept, row.document, british, today);
        EXPECT_EQ(replaced, row.replaces);
        EXPECT_EQ(catalogue[0].nameSingle, row.name);
        const bool keptAsItWas = fileBytes(kept.filePath()) == keptFile;
        const bool unitsAsTheyWere =
            shortNames(catalogue[0]) == shortNames(before) &&
            perEuro(catalogue[0].unitDefinitions[1]) == perEuro(before.unitDefinitions[1]);
        EXPECT_NE(replaced, keptAsItWas);
        EXPECT_NE(replaced, unitsAsTheyWere);
        if (replaced) {
            EXPECT_EQ(kept.load()->document, row.document);
            EXPECT_EQ(kept.load()->downloaded, today);
        }
    }
}

HistoryEntry calculation(const std::string& text) {
    return {"2026-12-05T14:03:09+01:00", text, "1", "", {}};
}

TEST(HistoryFile, TwoWritersAtOnceLoseNoEntry) {
    QTemporaryDir folder;
    const auto write = [&](const std::string& writer) {
        const HistoryFile file(folder.path()); // each its own, as two processes
        for (int i = 0; i < 40; ++i)
            ASSERT_TRUE(file.append({calculation(writer + std::to_string(i))}));
    };
    std::thread first(write, "a"), second(write, "b");
    first.join();
    second.join();
    const HistoryEntries entries = HistoryFile(folder.path()).load();
    ASSERT_EQ(entries.size(), 80u);
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [](const HistoryEntry& e) { return e.calculation[0] == 'a'; }),
              40);
    EXPECT_TRUE(HistoryFile(folder.path()).clear());
    EXPECT_TRUE(HistoryFile(folder.path()).load().empty());
}

TEST(HistoryFile, ADamagedFileIsSetAsideAndTheHistoryStartsEmpty) {
    const QByteArray damaged[] = {"ratio-history 1\ncut sh", "not a history", QByteArray(1, '\0')};
    for (const QByteArray& content : damaged) {
        QTemporaryDir folder;
        const HistoryFile file(folder.path());
        ASSERT_TRUE(testing::writeFile(file.filePath(), content));
        EXPECT_TRUE(file.load().empty());
        EXPECT_FALSE(QFile::exists(file.filePath()));
        const QStringList aside = QDir(folder.path()).entryList({"history.damaged-*"});
        ASSERT_EQ(aside.size(), 1);
        // Set aside whole, not overwritten.
        EXPECT_EQ(fileBytes(QDir(folder.path()).filePath(aside.front())), content);
        ASSERT_TRUE(file.append({calculation("1 + 0")}));
        EXPECT_EQ(file.load().size(), 1u);
    }
}

TEST(HistoryFile, AnUnwritableFolderFailsSoundly) {
    QTemporaryDir folder;
    const QString blocker = folder.filePath("blocker");
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    const HistoryFile file(blocker + "/data");
    EXPECT_FALSE(file.append({calculation("1 + 0")}));
    EXPECT_FALSE(file.clear());
    EXPECT_TRUE(file.load().empty());
}

} // namespace
} // namespace ratio
