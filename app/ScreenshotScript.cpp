#include "app/ScreenshotScript.h"

#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTimer>

namespace ratio {

namespace {

constexpr int stepDelay = 350;    // longer than a slide
constexpr int settleDelay = 1200; // the unit button's fade-in

int specialKey(QChar key) {
    switch (key.unicode()) {
    case 0x2193:
        return Qt::Key_Down;
    case 0x2191:
        return Qt::Key_Up;
    case 0x23CE:
        return Qt::Key_Return;
    case 0x238B:
        return Qt::Key_Escape;
    default:
        return 0;
    }
}

} // namespace

ScreenshotScript::ScreenshotScript(CalculatorViewController& main, QString keys, QString path)
    : QObject(&main), main(main), keys(std::move(keys)), path(std::move(path)) {}

void ScreenshotScript::start(int delay) {
    QTimer::singleShot(delay, this, &ScreenshotScript::step);
}

void ScreenshotScript::step() {
    if (next >= keys.size()) {
        main.window()->grab().save(path);
        QApplication::quit();
        return;
    }
    const QChar key = keys[next++];
    if (key == u'\u00AB') {
        const qsizetype end = keys.indexOf(u'\u00BB', next);
        const qsizetype stop = end < 0 ? keys.size() : end;
        QGuiApplication::clipboard()->setText(keys.mid(next, stop - next));
        next = stop + 1;
    } else {
        press(key);
    }
    const bool last = next >= keys.size();
    // Taps, Escape and the unit key start a slide; arrows and letters do not.
    const bool slides = key == u'U' || key == u'H' || key == QChar(0x2026) ||
                        specialKey(key) == Qt::Key_Return || specialKey(key) == Qt::Key_Escape;
    QTimer::singleShot(last ? settleDelay : slides ? stepDelay : 20, this, &ScreenshotScript::step);
}

void ScreenshotScript::press(QChar key) {
    if (key == u'C') {
        main.switchToCalculatorMode();
        return;
    }
    if (key == u'U') {
        main.showUnitSelection();
        return;
    }
    if (key == u'H') {
        main.showHistory();
        return;
    }
    if (key == QChar(0x2026))
        return;
    if (key == u'V') {
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QCoreApplication::sendEvent(&main, &paste);
        return;
    }
    QWidget* target = &main;
    if (QWidget* screen = PresentationStack::of(main).top())
        target = screen->focusWidget() ? screen->focusWidget() : screen;
    const int special = specialKey(key);
    QKeyEvent event(QEvent::KeyPress, special, Qt::NoModifier,
                    special == Qt::Key_Return ? QStringLiteral("\r")
                    : special                 ? QString()
                                              : QString(key));
    QCoreApplication::sendEvent(target, &event);
}

} // namespace ratio
