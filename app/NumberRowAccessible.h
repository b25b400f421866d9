#pragma once

#include <QAccessibleWidget>

namespace ratio {

class NumberRowLabel;

// What assistive technology reads of a number row: static text whose name
// and value are the row's whole text, the number and its unit.
class NumberRowAccessible : public QAccessibleWidget {
  public:
    explicit NumberRowAccessible(NumberRowLabel* row);

    QString text(QAccessible::Text kind) const override;

    // Makes Qt use this interface for every number row; safe to call often.
    static void install();
};

} // namespace ratio
