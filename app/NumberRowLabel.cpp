#include "app/NumberRowLabel.h"

#include "app/AdvanceTable.h"
#include "app/NumberRowAccessible.h"

#include <QAccessible>

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace ratio {

NumberRowLabel::NumberRowLabel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    NumberRowAccessible::install();
}

NumberRowLabel::~NumberRowLabel() = default;

void NumberRowLabel::setText(const QString& text) {
    content = text;
    relayout();
    scrollOffset = maximumScroll();
    update();
    // Screen readers read the new number without polling the row.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void NumberRowLabel::setTextColor(const QColor& textColor) {
    color = textColor;
    update();
}

QColor NumberRowLabel::backgroundColor() const {
    return palette().color(backgroundRole());
}

void NumberRowLabel::setPixelSizes(int maximum, int minimum) {
    maximumPixelSize = maximum;
    minimumPixelSize = std::min(minimum, maximum);
    relayout();
    updateGeometry();
}

QSize NumberRowLabel::sizeHint() const {
    QFont sized = font();
    sized.setPixelSize(maximumPixelSize);
    return {100, static_cast<int>(QFontMetricsF(sized).height()) + 4};
}

QSize NumberRowLabel::minimumSizeHint() const {
    return {50, sizeHint().height()};
}

// Kept across keys: measuring a font's characters costs more than laying
// out a row of a thousand digits. A row meets a handful of sizes.
const AdvanceTable& NumberRowLabel::advanceTable(const QFont& sized) const {
    for (const auto& table : advanceTables)
        if (table->font() == sized)
            return *table;
    constexpr std::size_t keptTables = 8;
    if (advanceTables.size() == keptTables)
        advanceTables.erase(advanceTables.begin());
    return *advanceTables.emplace_back(std::make_unique<AdvanceTable>(sized));
}

qreal NumberRowLabel::widthOf(const QFont& sized, qsizetype from, qsizetype to) const {
    const AdvanceTable& table = advanceTable(sized);
    qreal width = 0;
    for (qsizetype i = from; i < to; ++i)
        width += table.advance(content[i]);
    return width;
}

void NumberRowLabel::relayout() {
    // Until a layout gives the row its width, fitting would only load the
    // fonts of sizes it never shows: the start's first frame would wait for them.
    laidOut = false;
    if (testAttribute(Qt::WA_Resized))
        layOut();
}

// Asked before the row has its width (on a screen not shown yet), the row
// fits its text to the width it has.
void NumberRowLabel::ensureLaidOut() const {
    if (!laidOut)
        const_cast<NumberRowLabel*>(this)->layOut();
}

int NumberRowLabel::currentPixelSize() const {
    ensureLaidOut();
    return pixelSize;
}

int NumberRowLabel::lineCount() const {
    ensureLaidOut();
    return lines();
}

void NumberRowLabel::layOut() {
    laidOut = true;
    fitText();
    // The font of the fitted size is kept, with the engine Qt finds for it:
    // finding one anew for every measure and paint costs more than the text.
    QFont sized = font();
    sized.setPixelSize(pixelSize);
    if (!(sized == sizedFont)) {
        sizedFont = sized;
        sizedLineHeight = static_cast<int>(QFontMetricsF(sizedFont).height());
    }
}

void NumberRowLabel::fitText() {
    lineStarts.assign(1, 0);
    const qreal available = std::max(1, width() - 2);
    QFont sized = font();
    sized.setPixelSize(maximumPixelSize);
    const qreal widthAtMaximum = widthOf(sized, 0, content.size());
    if (widthAtMaximum <= available) {
        pixelSize = maximumPixelSize;
        return;
    }
    // Advances grow with the size, so the fitting size follows from one measure.
    pixelSize =
        std::max(minimumPixelSize, static_cast<int>(maximumPixelSize * available / widthAtMaximum));
    sized.setPixelSize(pixelSize);
    if (widthOf(sized, 0, content.size()) > available)
        wrapLines(sized, available - scrollBarWidth);
}

// Greedy lines that end after a grouping separator (or before the unit)
// where the line has one, and between any two characters where it has none.
void NumberRowLabel::wrapLines(const QFont& sized, qreal available) {
    const AdvanceTable& table = advanceTable(sized);
    const qsizetype unitStart = content.lastIndexOf(u' ');
    qreal line = 0;
    qsizetype lastBreak = -1;
    qreal widthAtBreak = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const qreal advance = table.advance(content[i]);
        if (line + advance > available && line > 0) {
            const bool useBreak = lastBreak > lineStarts.back();
            lineStarts.push_back(useBreak ? lastBreak : i);
            line = useBreak ? line - widthAtBreak : 0;
            lastBreak = -1;
        }
        line += advance;
        const bool breakAfter = (i < unitStart || unitStart < 0) && !content[i].isDigit() &&
                                content[i] != u'-' && i + 1 < content.size();
        if (breakAfter || i + 1 == unitStart) {
            lastBreak = i + 1;
            widthAtBreak = line;
        }
    }
}

int NumberRowLabel::lineHeight() const {
    return std::max(1, sizedLineHeight);
}

// Only whole lines are shown: the part of the height below a whole line is left empty.
int NumberRowLabel::visibleHeight() const {
    return std::max(lineHeight(), height() / lineHeight() * lineHeight());
}

int NumberRowLabel::maximumScroll() const {
    return std::max(0, lines() * lineHeight() - visibleHeight());
}

void NumberRowLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
    scrollOffset = maximumScroll();
}

void NumberRowLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        relayout();
        scrollOffset = maximumScroll();
        update();
    }
}

void NumberRowLabel::wheelEvent(QWheelEvent* event) {
    if (maximumScroll() == 0) {
        event->ignore();
        return;
    }
    const int lines = event->angleDelta().y() / 120 * 2;
    scrollOffset = std::clamp(scrollOffset - lines * lineHeight(), 0, maximumScroll());
    update();
    event->accept();
}

void NumberRowLabel::paintEvent(QPaintEvent* event) {
    ensureLaidOut(); // shown at a size no resize ever announced
    QPainter painter(this);
    painter.setFont(sizedFont);
    painter.setPen(color);
    painter.setLayoutDirection(Qt::LeftToRight);
    const int height = lineHeight();
    const int total = lines() * height;
    const bool scrolls = total > visibleHeight();
    const int textRight = width() - 1 - (scrolls ? scrollBarWidth : 0);
    // Lines sit at the bottom of the row, next to the keypad.
    const int top =
        scrolls ? this->height() - visibleHeight() - scrollOffset : this->height() - total;
    painter.setClipRect(
        QRect(0, this->height() - std::min(total, visibleHeight()), width(), visibleHeight()));
    const int first = std::max(0, (event->rect().top() - top) / height);
    for (int line = first; line < lines(); ++line) {
        const int y = top + line * height;
        if (y > event->rect().bottom())
            break;
        const qsizetype start = lineStarts[static_cast<std::size_t>(line)];
        const qsizetype end =
            line + 1 < lines() ? lineStarts[static_cast<std::size_t>(line) + 1] : content.size();
        painter.drawText(QRect(0, y, textRight, height),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         content.mid(start, end - start));
    }
    if (scrolls) {
        // A slim indicator shows that the row scrolls, and where it stands.
        const int shown = visibleHeight();
        const int barHeight = std::max(12, shown * shown / total);
        const int barTop = this->height() - shown +
                           (shown - barHeight) * scrollOffset / std::max(1, maximumScroll());
        painter.fillRect(QRect(width() - 3, barTop, 3, barHeight), QColor(255, 255, 255, 90));
    }
}

} // namespace ratio
