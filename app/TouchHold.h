#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>

#include <functional>

class QWidget;

namespace ratio {

// A finger pressed and held still on a widget, told once the hold lasts.
// Touch alone: a mouse's right button already gives the context menu, and a
// hold started by a mouse press (as the toolkit's tap-and-hold gesture does)
// would fire after the menu had taken the release, opening it again.
class TouchHold final : public QObject {
  public:
    static constexpr int holdMilliseconds = 700;
    // A finger may drift this far and still hold.
    static constexpr qreal slop = 40;

    // Watches `target`'s touches; `held` gets the global point of the hold.
    TouchHold(QWidget* target, std::function<void(QPoint)> held);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTimer timer;
    QPointF start;
    std::function<void(QPoint)> held;
};

} // namespace ratio
