// A local HTTP server on 127.0.0.1 that answers every request with one
// canned text, and points RATIO_RATES_URL at itself while it lives. An empty
// answer means silence: the request hangs until the client gives up.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ratio::testing {

inline QByteArray httpAnswer(const QByteArray& status, const QByteArray& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

struct CannedHttpServer {
    explicit CannedHttpServer(const QByteArray& answer) {
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, answer] {
            QTcpSocket* socket = server.nextPendingConnection();
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::disconnected, socket,
                             [this] { ++closedConnections; });
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [=, this] {
                received->append(socket->readAll());
                if (!received->contains("\r\n\r\n"))
                    return;
                requestLines.push_back(received->left(received->indexOf("\r\n")));
                requestHeads.push_back(received->left(received->indexOf("\r\n\r\n")));
                if (!answer.isEmpty()) {
                    socket->write(answer);
                    socket->disconnectFromHost();
                }
            });
        });
        qputenv("RATIO_RATES_URL", "http://127.0.0.1:" + QByteArray::number(server.serverPort()) +
                                       "/stats/test-rates.xml");
    }
    ~CannedHttpServer() { qunsetenv("RATIO_RATES_URL"); }

    QTcpServer server;
    std::vector<QByteArray> requestLines; // "GET /path HTTP/1.1"
    std::vector<QByteArray> requestHeads; // request line and headers
    int closedConnections = 0;            // by either side
};

} // namespace ratio::testing
