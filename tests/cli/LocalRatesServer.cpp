#include "LocalRatesServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace ratio {

namespace {

bool readable(int fd, int milliseconds) {
    pollfd wanted{fd, POLLIN, 0};
    return ::poll(&wanted, 1, milliseconds) > 0;
}

void readRequest(int fd) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos && readable(fd, 5000)) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace

LocalRatesServer::LocalRatesServer(std::string response) : response(std::move(response)) {
    listening = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listening, 8);
    socklen_t length = sizeof address;
    ::getsockname(listening, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    thread = std::thread([this] { serve(); });
}

LocalRatesServer::~LocalRatesServer() {
    stopping = true;
    thread.join();
    ::close(listening);
}

std::string LocalRatesServer::url() const {
    return "http://127.0.0.1:" + std::to_string(port) + "/stats/eurofxref/eurofxref-daily.xml";
}

std::string LocalRatesServer::status(int code, const std::string& body) {
    return "HTTP/1.1 " + std::to_string(code) +
           " Whatever\r\nContent-Type: text/xml\r\nConnection: close\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string LocalRatesServer::ok(const std::string& body) {
    return status(200, body);
}

void LocalRatesServer::serve() {
    std::vector<int> held; // connections of a server that never answers
    while (!stopping) {
        if (!readable(listening, 50))
            continue;
        const int connection = ::accept(listening, nullptr, nullptr);
        if (connection < 0)
            continue;
        readRequest(connection);
        ++served;
        if (response.empty()) {
            held.push_back(connection);
            continue;
        }
        for (std::size_t sent = 0; sent < response.size();) {
            const ssize_t wrote =
                ::write(connection, response.data() + sent, response.size() - sent);
            if (wrote <= 0)
                break;
            sent += static_cast<std::size_t>(wrote);
        }
        ::close(connection);
    }
    for (int connection : held)
        ::close(connection);
}

} // namespace ratio
