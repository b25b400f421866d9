// Currency rates: each request's answer handed over only when it is the
// document, and a document kept only when it is sound and not older than the
// kept one, so that an offline start has the rates it had.
#include "platform/CurrencyRateRequest.h"
#include "platform/CurrencyUpdate.h"

#include "localization/EnglishBritishStrings.h"
#include "platform/KeptRatesDocument.h"
#include "support/CannedHttpServer.h"
#include "support/CoreApplication.h"
#include "support/CurrencyCategory.h"
#include "support/SampleRates.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ratio {
namespace {

using testing::fileBytes;
using testing::sampleRates;

using testing::httpAnswer;
using CannedServer = testing::CannedHttpServer;

class CurrencyRateRequestTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureCoreApplication(); }

    bool settle(int n = 1) {
        return QTest::qWaitFor([&] { return settled >= n; }, 10000);
    }

    std::vector<QByteArray> documents;
    int settled = 0;
    bool onMainThread = true;
    std::unique_ptr<CurrencyRateRequest> request = std::make_unique<CurrencyRateRequest>(
        [this](const QByteArray& document) {
            documents.push_back(document);
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
        },
        [this] { ++settled; });
};

// A kept document makes the request conditional.
TEST_F(CurrencyRateRequestTest, HandsOverEachDocumentFromTheConfiguredAddressOnTheMainThread) {
    CannedServer server(httpAnswer("200 OK", sampleRates));
    request->requestCurrencyRates();
    request->requestCurrencyRates(QDate(2026, 12, 5));
    ASSERT_TRUE(settle(2));
    EXPECT_EQ(documents, (std::vector<QByteArray>(2, sampleRates)));
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(request->pendingRequests(), 0);
    EXPECT_EQ(server.requestLines,
              (std::vector<QByteArray>(2, "GET /stats/test-rates.xml HTTP/1.1")));
    const auto asking = [&](const char* header) { // the two may come in either order
        return std::ranges::count_if(server.requestHeads,
                                     [&](const QByteArray& head) { return head.contains(header); });
    };
    EXPECT_EQ(asking("If-Modified-Since"), 1);
    EXPECT_EQ(asking("\r\nIf-Modified-Since: Sat, 05 Dec 2026 00:00:00 GMT"), 1);
    qputenv("RATIO_RATES_URL", ""); // set but empty: the central bank again
    EXPECT_EQ(CurrencyRateRequest::address(), CurrencyRateRequest::defaultAddress());
}

TEST_F(CurrencyRateRequestTest, DropsAnswersThatAreNotTheDocument) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"not modified", "HTTP/1.1 304 Not Modified\r\nConnection: close\r\n\r\n"},
        {"cut short", httpAnswer("200 OK", sampleRates).chopped(20)},
        {"not http", "garbage\r\n\r\n"},
    };
    for (const auto& [what, answer] : cases) {
        documents.clear();
        settled = 0;
        CannedServer server(answer);
        request->requestCurrencyRates();
        ASSERT_TRUE(settle()) << what;
        EXPECT_TRUE(documents.empty()) << what;
        EXPECT_FALSE(server.requestLines.empty()) << what; // dropped for its answer
    }
}

TEST_F(CurrencyRateRequestTest, DestroyingWhileWaitingCallsNothing) {
    CannedServer server{QByteArray()};
    request->requestCurrencyRates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requestLines.empty(); }, 10000));
    request.reset();
    // The request is gone with its object; any call it queued would have come first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.closedConnections == 1; }, 10000));
    EXPECT_TRUE(documents.empty());
    EXPECT_EQ(settled, 0);
}

using testing::perEuro;
using testing::rateDocument;
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
    ASSERT_TRUE(testing::writeFile(blocker, ""));
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
        const char* name = "Currency 04/12/2026"; // of the category afterwards
    } cases[] = {
        {"older", rateDocument("1999-01-04", other), false},
        {"newer, one rate zero",
         rateDocument("2026-12-05", other + "<Cube currency='GBP' rate='0.000'/>"), false},
        {"dated after tomorrow", rateDocument("2026-12-12", other), false},
        {"the same day", rateDocument("2026-12-04", other), true},
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

} // namespace
} // namespace ratio
