#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/ScreenshotScript.h"
#include "localization/Localization.h"
#include "platform/FirstFrameReport.h"
#include "platform/KeptRatesDocument.h"
#include "platform/LocaleFacts.h"
#include "platform/QSettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
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
    ratio::Localization::preferredLanguagesSource = [] {
        return ratio::LocaleFacts::system().preferredLanguages;
    };

    ratio::QSettingsStore store;
    ratio::AppDelegate appDelegate(store, ratio::KeptRatesDocument(), QLocale::system());
    appDelegate.didFinishLaunching();
    ratio::CalculatorViewController screen(appDelegate);
    screen.setWindowTitle("Ratio");
    appDelegate.window = &screen;
    placeWindow(screen);
    ratio::FirstFrameReport::installIfAsked(&screen);
    screen.show();
    // The icon loads the image plugins; that waits until the first frame is up.
    QTimer::singleShot(250, &screen, [] { QApplication::setWindowIcon(QIcon(":/ratio.svg")); });
    // docs/screenshot.sh: the window as drawn, once the unit button has faded in.
    const QString screenshot = qEnvironmentVariable("RATIO_SCREENSHOT");
    if (!screenshot.isEmpty())
        (new ratio::ScreenshotScript(screen, qEnvironmentVariable("RATIO_SCREENSHOT_KEYS"),
                                     screenshot))
            ->start(1500);
    return application.exec();
}
