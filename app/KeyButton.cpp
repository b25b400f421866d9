#include "app/KeyButton.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ratio {

KeyButton::KeyButton(QWidget* parent) : QPushButton(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::NoFocus);
}

void KeyButton::setBackgroundColor(const QColor& color) {
    background = color;
    update();
}

void KeyButton::setTitleColor(const QColor& color) {
    title = color;
    update();
}

void KeyButton::setTitlePixelSize(int pixels) {
    QFont title = font();
    title.setPixelSize(pixels);
    setFont(title);
}

void KeyButton::setHeightReduction(int points) {
    heightReduction = points;
    update();
}

QSize KeyButton::sizeHint() const {
    return {64, 64};
}

QSize KeyButton::minimumSizeHint() const {
    return {36, 30};
}

void KeyButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF key = QRectF(rect()).adjusted(0, heightReduction / 2.0, 0, -heightReduction / 2.0);
    QColor fill = background;
    if (isDown())
        fill = fill.lighter(140);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    const qreal radius = key.height() / 2;
    painter.drawRoundedRect(key, radius, radius);
    if (hasFocus()) {
        painter.setPen(QPen(QColor(0x0a, 0x84, 0xff), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(key.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    // Titles such as "→ km" read left to right in every language.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setPen(title);
    // One line; a title wider than the key shrinks to fit instead of being cut.
    QFont fitted = font();
    const qreal available = key.width() - 12;
    const qreal needed = QFontMetricsF(fitted).horizontalAdvance(text());
    if (needed > available && available > 0 && fitted.pixelSize() > 0)
        fitted.setPixelSize(std::max(8, static_cast<int>(fitted.pixelSize() * available / needed)));
    painter.setFont(fitted);
    painter.drawText(key, Qt::AlignCenter | Qt::TextSingleLine, text());
}

} // namespace ratio
