#pragma once

#include <QWidget>

namespace ratio {

// The base of every screen: the feedback a key gives when it is touched.
class AnyViewController : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;

    void anyButtonTouchDown();
};

} // namespace ratio
