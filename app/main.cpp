#include "app/AppCommandLine.h"
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/FontConfigWarmUp.h"
#include "app/NoDisplayExit.h"
#include "app/ScreenshotScript.h"
#include "localization/Localization.h"
#include "platform/AfterFirstFrame.h"
#include "platform/FirstFrameReport.h"
#include "platform/KeptRatesDocument.h"
#include "platform/LocaleFacts.h"
#include "platform/QSettingsStore.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QScreen>
#include <QTimer>

#include <iostream>
#include <optional>

namespace {

// The calculator's diagnostic line for each decimal digit typed, off unless
// asked for: QT_LOGGING_RULES="ratio.keys.debug=true".
Q_LOGGING_CATEGORY(keyTrace, "ratio.keys", QtWarningMsg)

// A phone-shaped window that never grows past the screen.
void placeWindow(QWidget& window) {
    QSize size(390, 844);
    if (const QScreen* screen = window.screen())
        size = size.boundedTo(screen->availableSize());
    window.setMinimumSize(320, 560);
    window.resize(size);
}

// A window icon in the sizes window managers ask for; PNG needs no image plugin.
QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/ratio-%1.png").arg(size), QSize(size, size));
    return icon;
}

// Digits, operators and unit symbols are Latin in every language: their
// family comes first, the locale's own after it for its script.
void preferLatinFamily(const QString& latinFamily) {
    if (latinFamily.isEmpty())
        return;
    QFont font = QApplication::font();
    font.setFamilies(QStringList{latinFamily} + font.families());
    QApplication::setFont(font);
}

} // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer without a display.
    const auto commandLine = ratio::AppCommandLine::parse(argc, argv);
    if (commandLine.action != ratio::AppCommandLine::Action::Run)
        return commandLine.answer(std::cout, std::cerr);

    ratio::FontConfigWarmUp fontConfig;
    // Until the application stands, a missing display ends the run in one line.
    std::optional<ratio::NoDisplayExit> noDisplay(std::in_place);
    QApplication application(argc, argv);
    noDisplay.reset();
    // The same names as ratio-cli, so both find the same settings and kept rates.
    QApplication::setOrganizationName("Ratio");
    QApplication::setApplicationName("Ratio");
    // Ties the window to its launcher: the Wayland app id, and on X11 the
    // launcher's StartupWMClass matches the window class "Ratio".
    QGuiApplication::setDesktopFileName(QStringLiteral("io.ratio.Ratio"));
    ratio::Localization::preferredLanguagesSource = [] {
        return ratio::LocaleFacts::system().preferredLanguages;
    };

    ratio::QSettingsStore store;
    // The launch's writes reach the disk once the first frame is up (or after
    // a second, for a window that is never drawn).
    store.holdSaving();
    ratio::AppDelegate appDelegate(store, ratio::KeptRatesDocument(), QLocale::system());
    appDelegate.didFinishLaunching();
    fontConfig.finish();
    preferLatinFamily(fontConfig.latinFamilyFirst());
    ratio::CalculatorViewController screen(appDelegate);
    screen.calculator.diagnosticSink = [](const std::string& line) {
        qCDebug(keyTrace, "%s", line.c_str());
    };
    screen.setWindowTitle("Ratio");
    appDelegate.window = &screen;
    placeWindow(screen);
    ratio::afterFirstFrame(&screen, [&store] {
        store.resumeSaving();
        QApplication::setWindowIcon(applicationIcon());
    });
    QTimer::singleShot(1000, &screen, [&store] { store.resumeSaving(); });
    // Installed last, its report comes first after the paint.
    ratio::FirstFrameReport::installIfAsked(&screen);
    screen.show();
    // docs/screenshot.sh: the window as drawn, once the unit button has faded in.
    const QString screenshot = qEnvironmentVariable("RATIO_SCREENSHOT");
    if (!screenshot.isEmpty())
        (new ratio::ScreenshotScript(screen, qEnvironmentVariable("RATIO_SCREENSHOT_KEYS"),
                                     screenshot))
            ->start(1500);
    return application.exec();
}
