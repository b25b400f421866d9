#pragma once

#include <QPushButton>

namespace ratio {

// The invisible button under a number row: it takes the row's clicks and
// menus and draws nothing, so the row's digits show through.
class RowButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

    // The row beside it sizes the cell; asking the font would load one for nothing.
    QSize sizeHint() const override { return {0, 0}; }
    QSize minimumSizeHint() const override { return {0, 0}; }

  protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace ratio
