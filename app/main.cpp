#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "localization/Localization.h"
#include "platform/KeptRatesDocument.h"
#include "platform/LocaleFacts.h"
#include "platform/QSettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

namespace {

// A phone-shaped window that never grows past the screen.
void placeWindow(QWidget& window) {
    QSize size(390, 844);
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableSize());
    window.setMinimumSize(320, 560);
    window.resize(size);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The same names as ratio-cli, so both find the same settings and kept rates.
    QApplication::setOrganizationName("Ratio");
    QApplication::setApplicationName("Ratio");
    QApplication::setWindowIcon(QIcon(":/ratio.svg"));
    ratio::Localization::preferredLanguagesSource = [] {
        return ratio::LocaleFacts::system().preferredLanguages;
    };

    ratio::QSettingsStore store;
    ratio::AppDelegate appDelegate(store, ratio::KeptRatesDocument(), QLocale::system());
    appDelegate.didFinishLaunching();
    ratio::CalculatorViewController screen(appDelegate);
    screen.setWindowTitle("Ratio");
    if (ratio::Localization::shared().language == ratio::Language::Arabic ||
        ratio::Localization::shared().language == ratio::Language::Hebrew)
        QApplication::setLayoutDirection(Qt::RightToLeft);
    appDelegate.window = &screen;
    placeWindow(screen);
    screen.show();
    // docs/screenshot.sh: the window as drawn, once the unit button has faded in.
    const QString screenshot = qEnvironmentVariable("RATIO_SCREENSHOT");
    if (!screenshot.isEmpty())
        QTimer::singleShot(1500, &screen, [&screen, screenshot] {
            screen.grab().save(screenshot);
            QApplication::quit();
        });
    return application.exec();
}
