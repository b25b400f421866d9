#include "app/AppDelegate.h"

#include "app/CalculatorViewController.h"
#include "localization/Localization.h"
#include "platform/CurrencyUpdate.h"
#include "platform/HistoryWriter.h"
#include "platform/RatesSource.h"
#include "units/AddedUnits.h"
#include "units/LaunchCounter.h"
#include "units/UnitCatalogueBuilder.h"

#include <QGuiApplication>

namespace ratio {

namespace {
AppDelegate* sharedDelegate = nullptr;
} // namespace

AppDelegate::AppDelegate(KeyValueStore& store, KeptRatesDocument keptRates, QLocale locale)
    : settings(store), keptRates(std::move(keptRates)), appLocale(std::move(locale)),
      historyWriter(std::make_unique<HistoryWriter>(HistoryFile(this->keptRates.dataFolder()))) {
    sharedDelegate = this;
}

AppDelegate::~AppDelegate() {
    if (sharedDelegate == this)
        sharedDelegate = nullptr;
}

AppDelegate* AppDelegate::shared() {
    return sharedDelegate;
}

bool AppDelegate::didFinishLaunching() {
    buildUnitCatalogue();
    // Before any screen exists: Arabic and Hebrew run right to left (the
    // number rows and the keypad keep their own left-to-right order).
    const Language language = Localization::shared().language;
    if (language == Language::Arabic || language == Language::Hebrew)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    // Before the main screen looks up its stored pair, so a currency pair is found.
    keptDay =
        applyKeptRates(unitCatalogue(), Localization::shared().strings(), keptRates, appLocale)
            .value_or(QDate());
    AddedUnits::restore(unitCatalogue(), UnitNameIndex::ofSharedCatalogue(), settings);
    incrementLaunchCount(settings);
    watchApplicationState();
    return true;
}

void AppDelegate::watchApplicationState() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application)
        return;
    // Leaving the app leaves row 0's number: its conversion goes into the history.
    connect(application, &QCoreApplication::aboutToQuit, this, &AppDelegate::leaveNumber);
    connect(application, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended) {
                    wasHidden = true;
                    leaveNumber();
                } else if (state == Qt::ApplicationActive) {
                    if (wasHidden)
                        applicationWillEnterForeground();
                    wasHidden = false;
                    applicationDidBecomeActive();
                }
            });
}

void AppDelegate::leaveNumber() {
    if (QPointer<CalculatorViewController> screen = CalculatorViewControllerDelegate)
        screen->model.leaveNumber();
}

void AppDelegate::applicationWillEnterForeground() {
    if (QPointer<CalculatorViewController> screen = CalculatorViewControllerDelegate)
        screen->fadeInUnitButton();
}

void AppDelegate::applicationDidBecomeActive() {
    // The network stack is loaded only now, after the first frame.
    if (!rateRequest)
        rateRequest =
            loadRatesSource([this](const QByteArray& document) { ratesArrived(document); });
    if (rateRequest)
        rateRequest->requestCurrencyRates(keptDay);
}

int AppDelegate::pendingRateRequests() const {
    return rateRequest ? rateRequest->pendingRequests() : 0;
}

void AppDelegate::ratesArrived(const QByteArray& document) {
    const QDate today = QDate::currentDate();
    if (applyDownloadedRates(unitCatalogue(), Localization::shared().strings(), keptRates, document,
                             appLocale, today)) {
        keptDay = today;
        AddedUnits::restore(unitCatalogue(), UnitNameIndex::ofSharedCatalogue(), settings);
        if (QPointer<CalculatorViewController> screen = CalculatorViewControllerDelegate)
            screen->restoreUnitsAwaitingRates();
    }
}

} // namespace ratio
