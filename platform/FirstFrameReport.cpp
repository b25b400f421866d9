#include "platform/FirstFrameReport.h"

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

namespace ratio {

namespace {

class FirstPaintWatcher : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // After the paint and its flush to the screen, in the same turn of the loop.
            QTimer::singleShot(0, this, [this] {
                std::fputs("first-frame\n", stdout);
                std::fflush(stdout);
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

void FirstFrameReport::installIfAsked(QObject* window) {
    if (window && qEnvironmentVariableIsSet("RATIO_REPORT_FIRST_FRAME"))
        window->installEventFilter(new FirstPaintWatcher(window));
}

} // namespace ratio
