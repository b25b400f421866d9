#include "app/TouchHold.h"

#include <QLineF>
#include <QTouchEvent>
#include <QWidget>

namespace ratio {

TouchHold::TouchHold(QWidget* target, std::function<void(QPoint)> held)
    : QObject(target), held(std::move(held)) {
    timer.setSingleShot(true);
    timer.setInterval(holdMilliseconds);
    connect(&timer, &QTimer::timeout, this, [this] { this->held(start.toPoint()); });
    target->setAttribute(Qt::WA_AcceptTouchEvents);
    target->installEventFilter(this);
}

bool TouchHold::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (touch->pointCount() != 1)
            return false;
        start = touch->points().front().globalPosition();
        timer.start();
        event->accept();
        return true;
    }
    case QEvent::TouchUpdate: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (touch->pointCount() != 1 ||
            QLineF(start, touch->points().front().globalPosition()).length() > slop)
            timer.stop();
        return true;
    }
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        timer.stop();
        return true;
    default:
        return false;
    }
}

} // namespace ratio
