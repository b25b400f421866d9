#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace ratio {

// A one-answer HTTP server on 127.0.0.1 for update-rates: it answers every
// request with `response` (a whole HTTP response), or, when that is empty,
// reads the request and never answers.
class LocalRatesServer {
  public:
    explicit LocalRatesServer(std::string response);
    ~LocalRatesServer();
    LocalRatesServer(const LocalRatesServer&) = delete;
    LocalRatesServer& operator=(const LocalRatesServer&) = delete;

    std::string url() const;
    int requests() const { return served; }

    static std::string ok(const std::string& body);
    static std::string status(int code, const std::string& body);

  private:
    void serve();

    std::string response;
    int listening = -1;
    int port = 0;
    std::atomic<bool> stopping{false};
    std::atomic<int> served{0};
    std::thread thread;
};

} // namespace ratio
