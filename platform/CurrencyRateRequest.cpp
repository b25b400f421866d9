#include "platform/CurrencyRateRequest.h"

#include "units/CurrencyRates.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <optional>

namespace ratio {

namespace {

constexpr auto defaultRatesUrl = "https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
constexpr qint64 maximumSize = static_cast<qint64>(maximumRatesDocumentSize);

bool isHttp(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The body, when the answer is one we trust to be a document.
std::optional<QByteArray> acceptedBody(QNetworkReply& reply) {
    if (reply.error() != QNetworkReply::NoError)
        return std::nullopt;
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (isHttp(reply.url())) {
        const int code = status.isValid() ? status.toInt() : 0;
        if (code < 200 || code > 299)
            return std::nullopt;
    }
    QByteArray body = reply.read(maximumSize + 1);
    if (body.size() > maximumSize)
        return std::nullopt;
    return body;
}

} // namespace

CurrencyRateRequest::CurrencyRateRequest(Receiver receiver, Settled settled)
    : receiver(std::move(receiver)), settled(std::move(settled)),
      manager(std::make_unique<QNetworkAccessManager>()), guard(std::make_unique<QObject>()) {}

CurrencyRateRequest::~CurrencyRateRequest() {
    guard.reset();
    manager.reset();
}

QUrl CurrencyRateRequest::defaultAddress() {
    return QUrl(QString::fromLatin1(defaultRatesUrl));
}

QUrl CurrencyRateRequest::address() {
    const QByteArray configured = qgetenv("RATIO_RATES_URL");
    if (configured.isEmpty())
        return defaultAddress();
    return QUrl(QString::fromUtf8(configured));
}

QByteArray CurrencyRateRequest::ifModifiedSince(const QDate& day) {
    // HTTP dates are English whatever the user's language.
    const QDateTime start(day, QTime(0, 0), Qt::UTC);
    return QLocale::c()
        .toString(start, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"))
        .toLatin1();
}

void CurrencyRateRequest::requestCurrencyRates(const QDate& keptSince) {
    QNetworkRequest request(address());
    if (keptSince.isValid())
        request.setRawHeader("If-Modified-Since", ifModifiedSince(keptSince));
    request.setTransferTimeout(timeoutMilliseconds);
    QNetworkReply* reply = manager->get(request);
    ++pending;

    // The transfer time-out only watches for silence; a server that trickles
    // bytes is cut off by this deadline on the whole request.
    QTimer::singleShot(timeoutMilliseconds, reply, [reply] {
        if (reply->isRunning())
            reply->abort();
    });
    // Stop reading a body that is already too big instead of buffering it.
    QObject::connect(reply, &QNetworkReply::downloadProgress, guard.get(),
                     [reply](qint64 received, qint64 total) {
                         if (received > maximumSize || total > maximumSize)
                             reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::finished, guard.get(),
                     [this, reply] { finished(reply); });
}

void CurrencyRateRequest::finished(QNetworkReply* reply) {
    std::optional<QByteArray> body = acceptedBody(*reply);
    reply->deleteLater();
    // Queued even though we are on the main thread already: the document is
    // applied from the event loop, never from inside the network code.
    QMetaObject::invokeMethod(
        guard.get(),
        [this, body = std::move(body)] {
            --pending;
            if (body && receiver)
                receiver(*body);
            if (settled)
                settled();
        },
        Qt::QueuedConnection);
}

} // namespace ratio
