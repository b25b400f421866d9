#pragma once

#include "platform/RatesSource.h"

#include <QByteArray>
#include <QDate>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

namespace ratio {

// Downloads the daily rate document. Each call sends one GET; calls are
// neither merged nor cancelled. A body is handed over only after a complete
// 2xx answer of at most maximumRatesDocumentSize bytes; transport errors,
// other statuses, oversized bodies and time-outs are dropped silently.
//
// Both callbacks run on the thread that created the object (the main
// thread), through a queued call, never inside the network code.
class CurrencyRateRequest : public RatesSource {
  public:
    // Runs once per request after it ends, with or without a document.
    using Settled = std::function<void()>;

    explicit CurrencyRateRequest(Receiver receiver, Settled settled = {});
    ~CurrencyRateRequest() override;
    CurrencyRateRequest(const CurrencyRateRequest&) = delete;
    CurrencyRateRequest& operator=(const CurrencyRateRequest&) = delete;

    // With a valid `keptSince` (the day the kept document was downloaded) the
    // request asks only for a newer document; a 304 answer hands nothing over.
    void requestCurrencyRates(const QDate& keptSince = {}) override;

    // The If-Modified-Since value for a document downloaded on `day`: its
    // start in UTC, so a document published later that day still comes.
    static QByteArray ifModifiedSince(const QDate& day);

    // Requests still waiting for their callbacks.
    int pendingRequests() const override { return pending; }

    // Why the last request that ended handed nothing over ("HTTP status 500",
    // "no complete answer within 30 s", ...); empty after a document. For
    // front ends that tell the user, such as ratio-cli.
    const std::string& lastFailure() const { return failure; }

    // Gives up on a request after this long (30 s unless changed).
    void setTimeoutMilliseconds(int milliseconds) { timeoutMilliseconds = milliseconds; }

    // RATIO_RATES_URL when set and non-empty, else the central bank's address.
    static QUrl address();
    static QUrl defaultAddress();

  private:
    void finished(QNetworkReply* reply);

    Receiver receiver;
    Settled settled;
    int timeoutMilliseconds = 30000;
    int pending = 0;
    std::string failure;
    std::unique_ptr<QNetworkAccessManager> manager;
    // Context of every connection and queued call: deleted first, so nothing
    // reaches a destroyed object.
    std::unique_ptr<QObject> guard;
};

} // namespace ratio
