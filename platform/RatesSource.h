#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <memory>

namespace ratio {

// The download of the daily rate document, as the app sees it. The app gets
// one from the rates module (loadRatesSource), so the network libraries are
// loaded on the first request, not before the first frame.
class RatesSource {
  public:
    using Receiver = std::function<void(const QByteArray& document)>;

    virtual ~RatesSource() = default;
    // With a valid `keptSince` only a document newer than that day is asked for.
    virtual void requestCurrencyRates(const QDate& keptSince = {}) = 0;
    // Requests still waiting for their callbacks.
    virtual int pendingRequests() const = 0;
};

// Loads the rates module and makes a source that hands every downloaded
// document to `receiver`; none, with a warning, when the module is missing
// or unusable, and the app then runs on the kept rates.
// The warning is given once per process.
std::unique_ptr<RatesSource> loadRatesSource(RatesSource::Receiver receiver);

// Where the module is looked for: relative to the program's own folder.
QString ratesModulePath();

} // namespace ratio
