#include "cli/RatesUpdate.h"

#include "cli/CliApplication.h"
#include "platform/CurrencyRateRequest.h"
#include "platform/KeptRatesDocument.h"
#include "platform/RatesDocument.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <memory>
#include <optional>
#include <ostream>

namespace ratio {

namespace {

// The network code needs an application object; ratio-cli's main makes one,
// an in-process caller may not have.
std::unique_ptr<QCoreApplication> ensureApplication() {
    if (QCoreApplication::instance())
        return nullptr;
    static int argc = 1;
    static char name[] = "ratio-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QCoreApplication>(argc, argv);
}

// The document, or none with `failure` saying why.
std::optional<QByteArray> download(int timeoutSeconds, std::string& failure) {
    const auto application = ensureApplication();
    std::optional<QByteArray> received;
    QEventLoop loop;
    CurrencyRateRequest request([&received](const QByteArray& document) { received = document; },
                                [&loop] { loop.quit(); });
    request.setTimeoutMilliseconds(timeoutSeconds * 1000);
    request.requestCurrencyRates();
    loop.exec();
    failure = request.lastFailure();
    return received;
}

} // namespace

int RatesUpdate::run(int timeoutSeconds, std::ostream& output, std::ostream& errors) {
    const std::string address = CurrencyRateRequest::address().toString().toStdString();
    std::string failure;
    const auto document = download(timeoutSeconds, failure);
    if (!document) {
        errors << "ratio-cli: update-rates: no rate document from " << address << ": "
               << (failure.empty() ? "the request failed" : failure)
               << "; the kept rates are unchanged\n";
        return ExitFailed;
    }
    const RatesDocument rates = RatesDocument::read(*document);
    if (!rates.usable()) {
        errors << "ratio-cli: update-rates: the answer from " << address
               << " is not a usable rate document: " << rates.problem
               << "; the kept rates are unchanged\n";
        return ExitFailed;
    }
    for (const std::string& skipped : rates.skipped)
        errors << "ratio-cli: update-rates: " << skipped << '\n';
    const KeptRatesDocument kept;
    const QDate today = QDate::currentDate();
    if (!kept.save(*document, today)) {
        errors << "ratio-cli: update-rates: cannot write " << kept.filePath().toStdString()
               << "; the kept rates are unchanged\n";
        return ExitFailed;
    }
    const QDate ratesDay = rates.time.isValid() ? rates.time : today;
    output << "rates of " << ratesDay.toString(Qt::ISODate).toStdString() << ": "
           << rates.rates.size() << " currencies, kept in " << kept.filePath().toStdString()
           << '\n';
    return ExitSuccess;
}

} // namespace ratio
