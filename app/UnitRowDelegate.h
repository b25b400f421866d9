#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace ratio {

// Paints the rows of a unit list: white text on black, the chosen units on
// dark grey with a check mark, the "more" row underlined, headers as a bar.
// Texts are elided, never wrapped, so every row has one fixed height.
class UnitRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

  public:
    static constexpr int headerHeight = 43;
    static constexpr int rowHeight = 44;
    static const QColor backgroundColor;
    static const QColor checkedBackgroundColor;
    static const QColor headerBackgroundColor;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // A header bar with `text` in `rect`; the list also draws it over its top edge.
    static void paintHeader(QPainter* painter, const QRect& rect, const QString& text,
                            Qt::LayoutDirection direction, const QFont& font);
};

} // namespace ratio
