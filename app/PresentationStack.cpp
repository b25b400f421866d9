#include "app/PresentationStack.h"

#include "app/AdditionalUnitsViewController.h"
#include "app/AppDelegate.h"
#include "app/HistoryViewController.h"
#include "app/UnitsViewController.h"

#include <QEasingCurve>
#include <QEvent>
#include <QPropertyAnimation>

namespace ratio {

int PresentationStack::slideDuration = 250;

PresentationStack::PresentationStack(QWidget& window) : QObject(&window), window(window) {
    setObjectName(QStringLiteral("PresentationStack"));
    window.installEventFilter(this);
}

PresentationStack& PresentationStack::of(QWidget& host) {
    QWidget& window = *host.window();
    auto* stack = window.findChild<PresentationStack*>(QStringLiteral("PresentationStack"),
                                                       Qt::FindDirectChildrenOnly);
    return stack ? *stack : *new PresentationStack(window);
}

QWidget* PresentationStack::instantiate(const QString& identifier) {
    AppDelegate* delegate = AppDelegate::shared();
    if (!delegate)
        return nullptr;
    if (identifier == QLatin1String("Unit"))
        return new UnitsViewController(*delegate);
    if (identifier == QLatin1String("Additional Units"))
        return new AdditionalUnitsViewController(*delegate);
    if (identifier == QLatin1String("History"))
        return new HistoryViewController(*delegate);
    return nullptr;
}

QWidget* PresentationStack::present(const QString& identifier, bool animated) {
    QWidget* screen = instantiate(identifier);
    if (screen)
        present(screen, animated);
    return screen;
}

void PresentationStack::present(QWidget* screen, bool animated) {
    prune();
    if (QWidget* below = top())
        below->setEnabled(false);
    screen->setParent(&window);
    screen->setGeometry(window.rect());
    screens.emplace_back(screen);
    screen->show();
    screen->raise();
    screen->setFocus();
    if (animated && slideDuration > 0)
        slideIn(screen);
}

void PresentationStack::slideIn(QWidget* screen) {
    auto* slide = new QPropertyAnimation(screen, "pos", screen);
    slide->setDuration(slideDuration);
    slide->setStartValue(QPoint(0, window.height()));
    slide->setEndValue(QPoint(0, 0));
    slide->setEasingCurve(QEasingCurve::OutCubic);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void PresentationStack::slideOut(QWidget* screen, bool animated) {
    // A screen on its way out takes no more taps or keys, and stops sliding in.
    screen->setEnabled(false);
    for (auto* slide : screen->findChildren<QPropertyAnimation*>(Qt::FindDirectChildrenOnly))
        slide->stop();
    if (!animated || slideDuration <= 0 || !screen->isVisible()) {
        screen->hide();
        screen->deleteLater();
        return;
    }
    auto* slide = new QPropertyAnimation(screen, "pos", screen);
    slide->setDuration(slideDuration);
    slide->setStartValue(screen->pos());
    slide->setEndValue(QPoint(0, window.height()));
    slide->setEasingCurve(QEasingCurve::InCubic);
    connect(slide, &QPropertyAnimation::finished, screen, &QObject::deleteLater);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void PresentationStack::dismiss(QWidget* screen, bool animated, const std::function<void()>& done) {
    prune();
    auto found = std::find(screens.begin(), screens.end(), screen);
    if (found != screens.end()) {
        std::vector<QPointer<QWidget>> leaving(found, screens.end());
        screens.erase(found, screens.end());
        // Only the top one is seen to slide; the ones beneath go at once.
        for (std::size_t i = 0; i < leaving.size(); ++i)
            slideOut(leaving[i], animated && i + 1 == leaving.size());
        if (QWidget* below = top()) {
            below->setEnabled(true);
            below->setFocus();
        } else {
            window.setFocus();
        }
    }
    if (done)
        done();
}

void PresentationStack::dismissTop(bool animated, const std::function<void()>& done) {
    prune();
    if (screens.empty()) {
        if (done)
            done();
        return;
    }
    dismiss(screens.back(), animated, done);
}

void PresentationStack::dismissAll(bool animated, const std::function<void()>& done) {
    prune();
    if (screens.empty()) {
        if (done)
            done();
        return;
    }
    dismiss(screens.front(), animated, done);
}

QWidget* PresentationStack::top() const {
    for (auto screen = screens.rbegin(); screen != screens.rend(); ++screen)
        if (*screen)
            return *screen;
    return nullptr;
}

void PresentationStack::prune() {
    std::erase_if(screens, [](const QPointer<QWidget>& screen) { return screen.isNull(); });
}

bool PresentationStack::eventFilter(QObject* watched, QEvent* event) {
    // Presented screens always cover the whole window.
    if (watched == &window && event->type() == QEvent::Resize)
        for (const QPointer<QWidget>& screen : screens)
            if (screen)
                screen->setGeometry(window.rect());
    return QObject::eventFilter(watched, event);
}

} // namespace ratio
