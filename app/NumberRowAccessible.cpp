#include "app/NumberRowAccessible.h"

#include "app/NumberRowLabel.h"

namespace ratio {

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className != QLatin1String(NumberRowLabel::staticMetaObject.className()))
        return nullptr;
    return new NumberRowAccessible(static_cast<NumberRowLabel*>(object));
}

} // namespace

NumberRowAccessible::NumberRowAccessible(NumberRowLabel* row)
    : QAccessibleWidget(row, QAccessible::StaticText) {}

QString NumberRowAccessible::text(QAccessible::Text kind) const {
    const auto* row = static_cast<const NumberRowLabel*>(widget());
    switch (kind) {
    case QAccessible::Name:
    case QAccessible::Value:
        return row->text();
    default:
        return QAccessibleWidget::text(kind);
    }
}

void NumberRowAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
}

} // namespace ratio
