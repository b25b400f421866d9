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

const char* const abortReason = "ratioAbortReason";

// The body, when the answer is one we trust to be a document; else why not.
std::optional<QByteArray> acceptedBody(QNetworkReply& reply, std::string& failure,
                                       int timeoutMilliseconds) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int code = status.isValid() ? status.toInt() : 0;
    // A refusal the server stated comes before any transfer error it caused;
    // an HTTP answer without a status at all is refused after them.
    const bool refused = isHttp(reply.url()) && (code < 200 || code > 299);
    if (refused && status.isValid()) {
        failure = "HTTP status " + std::to_string(code);
        return std::nullopt;
    }
    if (reply.error() != QNetworkReply::NoError) {
        const QVariant reason = reply.property(abortReason);
        if (reason.isValid())
            failure = reason.toString().toStdString();
        else if (reply.error() == QNetworkReply::OperationCanceledError) // the transfer time-out
            failure =
                "no complete answer within " + std::to_string(timeoutMilliseconds / 1000) + " s";
        else
            failure = reply.errorString().toStdString();
        return std::nullopt;
    }
    if (refused) {
        failure = "HTTP status " + std::to_string(code);
        return std::nullopt;
    }
    QByteArray body = reply.read(maximumSize + 1);
    if (body.size() > maximumSize) {
        failure = "the answer is larger than 1 MiB";
        return std::nullopt;
    }
    failure.clear();
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
    QTimer::singleShot(timeoutMilliseconds, reply, [reply, seconds = timeoutMilliseconds / 1000] {
        if (!reply->isRunning())
            return;
        reply->setProperty(abortReason,
                           QStringLiteral("no complete answer within %1 s").arg(seconds));
        reply->abort();
    });
    // Stop reading a body that is already too big instead of buffering it.
    QObject::connect(reply, &QNetworkReply::downloadProgress, guard.get(),
                     [reply](qint64 received, qint64 total) {
                         if (received <= maximumSize && total <= maximumSize)
                             return;
                         reply->setProperty(abortReason,
                                            QStringLiteral("the answer is larger than 1 MiB"));
                         reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::finished, guard.get(),
                     [this, reply] { finished(reply); });
}

void CurrencyRateRequest::finished(QNetworkReply* reply) {
    std::optional<QByteArray> body = acceptedBody(*reply, failure, timeoutMilliseconds);
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
