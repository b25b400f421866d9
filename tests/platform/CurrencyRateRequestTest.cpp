#include "platform/CurrencyRateRequest.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace ratio {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv); // lives for the whole test program
}

const QByteArray sampleDocument = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<gesmes:Envelope>\n\t<Cube>\n\t\t<Cube time='2026-03-02'>\n"
                                  "\t\t\t<Cube currency='USD' rate='1.0854'/>\n"
                                  "\t\t\t<Cube currency='JPY' rate='161.27'/>\n"
                                  "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";

QByteArray httpAnswer(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// Answers every request on 127.0.0.1 with one canned response; with an
// empty one it accepts the connection and never says anything.
class CannedServer {
  public:
    explicit CannedServer(QByteArray answer) : answer(std::move(answer)) {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] { accept(); });
    }

    QUrl url() const {
        return QUrl(
            QStringLiteral("http://127.0.0.1:%1/stats/test-rates.xml").arg(server.serverPort()));
    }

    std::vector<QByteArray> requestLines;

  private:
    void accept() {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                received->append(socket->readAll());
                if (!received->contains("\r\n\r\n"))
                    return;
                requestLines.push_back(received->left(received->indexOf("\r\n")));
                if (answer.isEmpty())
                    return;
                socket->write(answer);
                socket->disconnectFromHost();
            });
        }
    }

    QTcpServer server;
    QByteArray answer;
};

class ScopedRatesUrl {
  public:
    explicit ScopedRatesUrl(const QByteArray& url) : previous(qgetenv("RATIO_RATES_URL")) {
        qputenv("RATIO_RATES_URL", url);
    }
    ~ScopedRatesUrl() {
        if (previous.isEmpty())
            qunsetenv("RATIO_RATES_URL");
        else
            qputenv("RATIO_RATES_URL", previous);
    }

  private:
    QByteArray previous;
};

class CurrencyRateRequestTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureApplication(); }

    std::unique_ptr<CurrencyRateRequest> makeRequest() {
        auto request = std::make_unique<CurrencyRateRequest>(
            [this](const QByteArray& document) {
                documents.push_back(document);
                onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
            },
            [this] { ++settled; });
        request->setTimeoutMilliseconds(300);
        return request;
    }

    // Waits (bounded) until `count` requests have ended.
    bool settle(int count = 1) {
        return QTest::qWaitFor([&] { return settled >= count; }, 10000);
    }

    std::vector<QByteArray> documents;
    int settled = 0;
    bool onMainThread = true;
};

TEST_F(CurrencyRateRequestTest, HandsOverTheBodyOfASuccessfulAnswer) {
    CannedServer server(httpAnswer("200 OK", sampleDocument));
    ScopedRatesUrl url(server.url().toEncoded());
    auto request = makeRequest();
    request->requestCurrencyRates();
    EXPECT_EQ(request->pendingRequests(), 1);
    ASSERT_TRUE(settle());
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0], sampleDocument);
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(request->pendingRequests(), 0);
    ASSERT_EQ(server.requestLines.size(), 1u);
    EXPECT_EQ(server.requestLines[0], "GET /stats/test-rates.xml HTTP/1.1");
}

TEST_F(CurrencyRateRequestTest, DropsAnswersThatAreNotTheDocument) {
    struct Case {
        const char* what;
        QByteArray answer;
    };
    const Case cases[] = {
        {"not found", httpAnswer("404 Not Found", sampleDocument)},
        {"server error", httpAnswer("500 Internal Server Error", sampleDocument)},
        {"no redirect target", httpAnswer("300 Multiple Choices", sampleDocument)},
        {"informational", httpAnswer("199 Odd", sampleDocument)},
        {"over a mebibyte", httpAnswer("200 OK", sampleDocument + QByteArray(2 << 20, ' '))},
        {"cut short", httpAnswer("200 OK", sampleDocument).chopped(20)},
        {"not http", "garbage\r\n\r\n"},
        {"never answers", QByteArray()},
    };
    for (const Case& c : cases) {
        documents.clear();
        settled = 0;
        CannedServer server(c.answer);
        ScopedRatesUrl url(server.url().toEncoded());
        auto request = makeRequest();
        request->requestCurrencyRates();
        ASSERT_TRUE(settle()) << c.what;
        EXPECT_TRUE(documents.empty()) << c.what;
        EXPECT_FALSE(server.requestLines.empty()) << c.what; // dropped for its answer
    }
}

TEST_F(CurrencyRateRequestTest, DropsARefusedConnection) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    ScopedRatesUrl url("http://127.0.0.1:" + QByteArray::number(closedPort) + "/rates.xml");
    auto request = makeRequest();
    request->requestCurrencyRates();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(documents.empty());
}

TEST_F(CurrencyRateRequestTest, EveryCallSendsItsOwnRequest) {
    CannedServer server(httpAnswer("200 OK", sampleDocument));
    ScopedRatesUrl url(server.url().toEncoded());
    auto request = makeRequest();
    request->requestCurrencyRates();
    request->requestCurrencyRates();
    ASSERT_TRUE(settle(2));
    EXPECT_EQ(documents.size(), 2u);
    EXPECT_EQ(server.requestLines.size(), 2u);
}

TEST_F(CurrencyRateRequestTest, DestroyingWhileWaitingCallsNothing) {
    CannedServer server{QByteArray()};
    ScopedRatesUrl url(server.url().toEncoded());
    auto request = makeRequest();
    request->requestCurrencyRates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requestLines.empty(); }, 10000));
    request.reset();
    QTest::qWait(400); // past the time-out the destroyed request had set
    EXPECT_TRUE(documents.empty());
    EXPECT_EQ(settled, 0);
}

TEST(CurrencyRateAddress, EnvironmentReplacesTheDefault) {
    EXPECT_EQ(CurrencyRateRequest::defaultAddress().scheme(), "https");
    EXPECT_EQ(CurrencyRateRequest::defaultAddress().path(), "/stats/eurofxref/eurofxref-daily.xml");
    {
        ScopedRatesUrl url("");
        EXPECT_EQ(CurrencyRateRequest::address(), CurrencyRateRequest::defaultAddress());
    }
    ScopedRatesUrl url("http://127.0.0.1:8080/x.xml");
    EXPECT_EQ(CurrencyRateRequest::address(), QUrl("http://127.0.0.1:8080/x.xml"));
}

} // namespace
} // namespace ratio
