#include "app/UnitRowDelegate.h"

#include "app/UnitListModel.h"
#include "app/UnitListView.h"
#include "app/UnitNameDirection.h"

#include <QFontInfo>
#include <QPainter>

namespace ratio {

const QColor UnitRowDelegate::backgroundColor(0, 0, 0);
const QColor UnitRowDelegate::checkedBackgroundColor(85, 85, 85);
const QColor UnitRowDelegate::headerBackgroundColor(0x1c, 0x1c, 0x1e);

namespace {

constexpr int margin = 16;
constexpr int checkWidth = 28;
const QColor accentColor(0xff, 0x9f, 0x0a);
const QColor separatorColor(0x2c, 0x2c, 0x2e);

UnitListModel::Kind kindOf(const QModelIndex& index) {
    return static_cast<UnitListModel::Kind>(index.data(UnitListModel::KindRole).toInt());
}

// `rect` with `inset` taken off the leading and trailing edges, as seen in `direction`.
QRect textRect(const QRect& rect, int leading, int trailing, Qt::LayoutDirection direction) {
    return direction == Qt::RightToLeft ? rect.adjusted(trailing, 0, -leading, 0)
                                        : rect.adjusted(leading, 0, -trailing, 0);
}

// The leading edge of `direction`, taken as it is: the painter would swap a
// plain left or right again in a right-to-left view.
Qt::Alignment leadingEdge(Qt::LayoutDirection direction) {
    return Qt::AlignVCenter | Qt::AlignAbsolute |
           (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
}

// A long name gets a smaller font, down to a readable minimum, before it is elided.
void fitFont(QPainter& painter, const QString& text, int width) {
    constexpr int smallestPixels = 12;
    QFont font = painter.font();
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > smallestPixels && painter.fontMetrics().horizontalAdvance(text) > width) {
        font.setPixelSize(--pixels);
        painter.setFont(font);
    }
}

} // namespace

void UnitRowDelegate::paintHeader(QPainter* painter, const QRect& rect, const QString& text,
                                  Qt::LayoutDirection direction, const QFont& font) {
    painter->fillRect(rect, headerBackgroundColor);
    QFont bold = font;
    bold.setBold(true);
    painter->setFont(bold);
    painter->setPen(QColor(0xeb, 0xeb, 0xf5));
    const QRect area = textRect(rect, margin, margin, direction);
    const QString shown = painter->fontMetrics().elidedText(unitNameForDirection(text, direction),
                                                            Qt::ElideRight, area.width());
    painter->drawText(area, leadingEdge(direction), shown);
}

void UnitRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    painter->save();
    const QString text = index.data(Qt::DisplayRole).toString();
    const UnitListModel::Kind kind = kindOf(index);
    if (kind == UnitListModel::Kind::Header) {
        paintHeader(painter, option.rect, text, option.direction, option.font);
        painter->restore();
        return;
    }
    const bool marked = index.data(UnitListModel::MarkedRole).toBool();
    painter->fillRect(option.rect, marked ? checkedBackgroundColor : backgroundColor);
    painter->setPen(separatorColor);
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());

    QFont font = option.font;
    font.setUnderline(kind == UnitListModel::Kind::More);
    painter->setFont(font);
    painter->setPen(Qt::white);
    // Only the marked row gives up room for its check: every other name has
    // the whole width before it is made smaller ("[China] Renminbi (元, CNY,
    // RMB¥, CNH)" fits there at the size of its neighbours).
    const QRect area =
        textRect(option.rect, margin, margin + (marked ? checkWidth : 0), option.direction);
    // The model keeps the plain name, which typing in the list searches.
    const QString shown = unitNameForDirection(text, option.direction);
    fitFont(*painter, shown, area.width());
    painter->drawText(area, leadingEdge(option.direction),
                      painter->fontMetrics().elidedText(shown, Qt::ElideRight, area.width()));
    if (marked) {
        const QRect check = option.direction == Qt::RightToLeft
                                ? QRect(option.rect.left() + margin, option.rect.top(), checkWidth,
                                        option.rect.height())
                                : QRect(option.rect.right() - margin - checkWidth,
                                        option.rect.top(), checkWidth, option.rect.height());
        painter->setPen(accentColor);
        painter->drawText(check, Qt::AlignCenter, QString::fromUtf8("\u2713"));
    }
    // The keyboard's current row, so arrow keys and typing show where they are.
    const auto* view = qobject_cast<const UnitListView*>(option.widget);
    if ((option.state & QStyle::State_HasFocus) && view && view->showsCurrentRow()) {
        painter->setPen(QPen(accentColor, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option.rect.adjusted(1, 1, -1, -2));
    }
    painter->restore();
}

QSize UnitRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const int height = kindOf(index) == UnitListModel::Kind::Header ? headerHeight : rowHeight;
    return {option.rect.width() > 0 ? option.rect.width() : 320, height};
}

} // namespace ratio
