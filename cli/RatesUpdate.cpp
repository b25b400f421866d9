#include "cli/RatesUpdate.h"

#include "cli/CliApplication.h"
#include "platform/CurrencyRateRequest.h"
#include "platform/DownloadedRates.h"
#include "platform/KeptRatesDocument.h"

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

// Why the answer is not kept, on `errors`, and the exit status; the kept
// rates being newer is no failure, and goes to `output`.
int refusal(const DownloadedRates& downloaded, const std::string& address, std::ostream& output,
            std::ostream& errors) {
    const std::string from = "the answer from " + address;
    const std::string unchanged = "; the kept rates are unchanged\n";
    switch (downloaded.verdict) {
    case DownloadedRates::Verdict::Unusable:
        errors << "ratio-cli: update-rates: " << from
               << " is not a usable rate document: " << downloaded.rates.problem << unchanged;
        return ExitFailed;
    case DownloadedRates::Verdict::UnreadableRates:
        for (const RatesDocument::SkippedRate& skipped : downloaded.rates.skipped)
            errors << "ratio-cli: update-rates: unreadable rate for " << skipped.code << ": "
                   << skipped.why << '\n';
        errors << "ratio-cli: update-rates: " << from << " has unreadable rates" << unchanged;
        return ExitFailed;
    case DownloadedRates::Verdict::ImplausiblyLate:
        errors << "ratio-cli: update-rates: " << from << " has rates of " << isoText(downloaded.day)
               << ", a day still to come" << unchanged;
        return ExitFailed;
    case DownloadedRates::Verdict::KeptIsNewer:
        output << "the kept rates of " << isoText(downloaded.keptDay)
               << " are newer than the rates of " << isoText(downloaded.day) << " from " << address
               << unchanged;
        return ExitSuccess;
    case DownloadedRates::Verdict::Keep:
        break;
    }
    return ExitSuccess;
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
    const QDate today = QDate::currentDate();
    const KeptRatesDocument kept;
    const DownloadedRates downloaded = DownloadedRates::judge(*document, kept, today);
    if (downloaded.verdict != DownloadedRates::Verdict::Keep)
        return refusal(downloaded, address, output, errors);
    if (!kept.save(*document, today)) {
        errors << "ratio-cli: update-rates: cannot write " << kept.filePath().toStdString()
               << "; the kept rates are unchanged\n";
        return ExitFailed;
    }
    output << "rates of " << isoText(downloaded.day) << ": " << downloaded.rates.rates.size()
           << " currencies, kept in " << kept.filePath().toStdString() << '\n';
    return ExitSuccess;
}

} // namespace ratio
