#include "platform/AfterFirstFrame.h"

#include <QEvent>
#include <QObject>
#include <QTimer>

namespace ratio {

namespace {

class FirstPaintWatcher : public QObject {
  public:
    FirstPaintWatcher(QObject* window, std::function<void()> action)
        : QObject(window), action(std::move(action)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint and its flush to the screen, in the same turn of the loop.
            QTimer::singleShot(0, this, [this] {
                action();
                deleteLater();
            });
        }
        return false;
    }

  private:
    std::function<void()> action;
};

} // namespace

void afterFirstFrame(QObject* window, std::function<void()> action) {
    if (window)
        window->installEventFilter(new FirstPaintWatcher(window, std::move(action)));
}

} // namespace ratio
