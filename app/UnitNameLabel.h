#pragma once

#include <QLabel>

namespace ratio {

// A unit's long name above its number row. Its text stays the plain name
// (the main screen stores and compares it); only the drawn text isolates the
// name's left-to-right runs, so "(€, EUR)" keeps its order right to left.
class UnitNameLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ratio
