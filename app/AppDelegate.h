// The application's hub: weak links to the screens, and the start-up and
// activation steps. The main screen's units and chains are its model's.
//
// Start-up: catalogue in the chosen language, the kept rate document, the
// launch count, the main screen's set-up, the window shown, then on every
// activation a rate request whose answer rebuilds the currency category.
#pragma once

#include "platform/KeptRatesDocument.h"
#include "units/KeyValueStore.h"

#include <QDate>
#include <QLocale>
#include <QObject>
#include <QPointer>

#include <memory>

namespace ratio {

class AnyViewController;
class HistoryWriter;
class CalculatorViewController;
class RatesSource;

class AppDelegate : public QObject {
    Q_OBJECT

  public:
    AppDelegate(KeyValueStore& store, KeptRatesDocument keptRates, QLocale locale);
    ~AppDelegate() override;

    // The process-wide delegate; null until one is created.
    static AppDelegate* shared();

    QPointer<QWidget> window;
    QPointer<CalculatorViewController> CalculatorViewControllerDelegate;
    QPointer<AnyViewController> UnitsViewControllerDelegate;
    QPointer<AnyViewController> AdditionalUnitsViewControllerDelegate;
    int LastSelectedSection0 = -1;
    int LastSelectedRow0 = -1;

    KeyValueStore& store() { return settings; }
    // The history tape beside the kept rates, written after each key's frame.
    HistoryWriter& history() { return *historyWriter; }
    const QLocale& locale() const { return appLocale; }

    // Catalogue, kept rates and launch count; then the main screen is made and shown.
    bool didFinishLaunching();
    void applicationWillEnterForeground();
    void applicationDidBecomeActive();
    int pendingRateRequests() const;

  private:
    void watchApplicationState();
    void leaveNumber();
    void ratesArrived(const QByteArray& document);

    KeyValueStore& settings;
    KeptRatesDocument keptRates;
    QLocale appLocale;
    std::unique_ptr<RatesSource> rateRequest;
    std::unique_ptr<HistoryWriter> historyWriter;
    // The download day of the document in use, so a request asks only for a newer one.
    QDate keptDay;
    bool wasHidden = false;
};

} // namespace ratio
