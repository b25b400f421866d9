#include "platform/CurrencyRateRequest.h"

#include "support/CannedHttpServer.h"
#include "support/CoreApplication.h"
#include "support/SampleRates.h"

#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace ratio {
namespace {

using testing::httpAnswer;
using testing::sampleRates;
using CannedServer = testing::CannedHttpServer;

class CurrencyRateRequestTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing::ensureCoreApplication(); }
    void SetUp() override { request->setTimeoutMilliseconds(300); }

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
        {"above 2xx", httpAnswer("300 Multiple Choices", sampleRates)},
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

} // namespace
} // namespace ratio
