#include "cli/RatesUpdate.h"

#include "cli/CliApplication.h"
#include "platform/CurrencyRateRequest.h"
#include "platform/CurrencyUpdate.h"
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

std::string isoText(const QDate& day) {
    return day.toString(Qt::ISODate).toStdString();
}

// A damaged rate makes the whole answer suspect: it is named, and not kept.
bool refuseUnreadableRates(const RatesDocument& rates, const std::string& address,
                           std::ostream& errors) {
    if (rates.skipped.empty())
        return false;
    for (const RatesDocument::SkippedRate& skipped : rates.skipped)
        errors << "ratio-cli: update-rates: unreadable rate for " << skipped.code << ": "
               << skipped.why << '\n';
    errors << "ratio-cli: update-rates: the answer from " << address
           << " has unreadable rates; the kept rates are unchanged\n";
    return true;
}

// The day the kept document's rates are of, when there is one.
std::optional<QDate> keptRatesDay(const KeptRatesDocument& kept) {
    const auto stored = kept.load();
    if (!stored)
        return std::nullopt;
    return RatesDocument::read(stored->document).day(stored->downloaded);
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
    if (refuseUnreadableRates(rates, address, errors))
        return ExitFailed;
    const QDate today = QDate::currentDate();
    const QDate day = rates.day(today);
    if (isImplausiblyLate(day, today)) {
        errors << "ratio-cli: update-rates: the answer from " << address << " has rates of "
               << isoText(day) << ", a day still to come; the kept rates are unchanged\n";
        return ExitFailed;
    }
    const KeptRatesDocument kept;
    if (const auto keptDay = keptRatesDay(kept); keptDay && *keptDay > day) {
        output << "the kept rates of " << isoText(*keptDay) << " are newer than the rates of "
               << isoText(day) << " from " << address << "; the kept rates are unchanged\n";
        return ExitSuccess;
    }
    if (!kept.save(*document, today)) {
        errors << "ratio-cli: update-rates: cannot write " << kept.filePath().toStdString()
               << "; the kept rates are unchanged\n";
        return ExitFailed;
    }
    output << "rates of " << isoText(day) << ": " << rates.rates.size() << " currencies, kept in "
           << kept.filePath().toStdString() << '\n';
    return ExitSuccess;
}

} // namespace ratio
