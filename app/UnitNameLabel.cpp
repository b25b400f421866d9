#include "app/UnitNameLabel.h"

#include "app/UnitNameDirection.h"

#include <QPainter>
#include <QStyle>

namespace ratio {

void UnitNameLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), unitNameForDirection(text(), layoutDirection()),
                          foregroundRole());
}

} // namespace ratio
