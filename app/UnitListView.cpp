#include "app/UnitListView.h"

#include "app/UnitListModel.h"
#include "app/UnitRowDelegate.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScroller>

namespace ratio {

UnitListView::UnitListView(QWidget* parent) : QListView(parent) {
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(false);
    setItemDelegate(new UnitRowDelegate(this));
    // Finger scrolling on touch screens; the wheel scrolls as in any list.
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
}

UnitListModel* UnitListView::unitModel() const {
    return qobject_cast<UnitListModel*>(model());
}

void UnitListView::scrollToCentre(int section, int row) {
    const UnitListModel* units = unitModel();
    if (!units)
        return;
    const int flat = units->flatRow(section, row);
    if (flat >= 0)
        scrollTo(units->index(flat), QAbstractItemView::PositionAtCenter);
}

QRect UnitListView::rowRect(int section, int row) const {
    const UnitListModel* units = unitModel();
    if (!units)
        return {};
    const QRect rect = visualRect(units->index(units->flatRow(section, row)));
    return rect.intersects(viewport()->rect()) ? rect : QRect();
}

void UnitListView::tap(const QModelIndex& index) {
    const UnitListModel* units = unitModel();
    const UnitListModel::Entry* entry = units ? units->entry(index.row()) : nullptr;
    if (entry && entry->kind != UnitListModel::Kind::Header)
        emit tapped(entry->section, entry->row);
}

void UnitListView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        tap(currentIndex());
        return;
    case Qt::Key_Escape:
    case Qt::Key_Back:
        emit backRequested();
        return;
    default:
        keyboardMoved = true;
        QListView::keyPressEvent(event);
        viewport()->update();
    }
}

void UnitListView::mousePressEvent(QMouseEvent* event) {
    // The pinned header covers the rows beneath it; it takes the press itself.
    if (event->position().y() < pinnedHeaderHeight()) {
        pressed = QPersistentModelIndex();
        event->accept();
        return;
    }
    pressed = indexAt(event->position().toPoint());
    keyboardMoved = false;
    QListView::mousePressEvent(event);
}

void UnitListView::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex released = event->position().y() < pinnedHeaderHeight()
                                     ? QModelIndex()
                                     : indexAt(event->position().toPoint());
    QListView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && released.isValid() && released == pressed)
        tap(released);
    pressed = QPersistentModelIndex();
}

void UnitListView::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        keyboardMoved = true;
    QListView::focusInEvent(event);
}

int UnitListView::pinnedHeaderHeight() const {
    const UnitListModel* units = unitModel();
    const QModelIndex top = indexAt(QPoint(1, 0));
    if (!units || !top.isValid())
        return 0;
    const UnitListModel::Entry* entry = units->entry(top.row());
    if (!entry || units->headerRow(entry->section) < 0)
        return 0;
    // Pushed up by the next section's header as it arrives.
    const int next = units->headerRow(entry->section + 1);
    int height = UnitRowDelegate::headerHeight;
    if (next >= 0)
        height = std::min(height, visualRect(units->index(next)).top());
    return std::max(height, 0);
}

void UnitListView::paintEvent(QPaintEvent* event) {
    QListView::paintEvent(event);
    const UnitListModel* units = unitModel();
    const QModelIndex top = indexAt(QPoint(1, 0));
    if (!units || !top.isValid())
        return;
    const UnitListModel::Entry* entry = units->entry(top.row());
    const int header = entry ? units->headerRow(entry->section) : -1;
    if (header < 0)
        return;
    const int shown = pinnedHeaderHeight();
    QPainter painter(viewport());
    const QRect rect(0, shown - UnitRowDelegate::headerHeight, viewport()->width(),
                     UnitRowDelegate::headerHeight);
    UnitRowDelegate::paintHeader(&painter, rect, units->entry(header)->text, layoutDirection(),
                                 font());
}

QModelIndex UnitListView::nextEnabled(int from, int step) const {
    const UnitListModel* units = unitModel();
    if (!units)
        return {};
    for (int row = from; row >= 0 && row < units->rowCount(); row += step)
        if (units->flags(units->index(row)) & Qt::ItemIsEnabled)
            return units->index(row);
    return {};
}

QModelIndex UnitListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const UnitListModel* units = unitModel();
    if (!units || units->rowCount() == 0)
        return {};
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    QModelIndex next;
    switch (action) {
    case MoveUp:
    case MovePrevious:
        next = nextEnabled(row - 1, -1);
        break;
    case MoveDown:
    case MoveNext:
        next = nextEnabled(row + 1, 1);
        break;
    case MoveHome:
        next = nextEnabled(0, 1);
        break;
    case MoveEnd:
        next = nextEnabled(units->rowCount() - 1, -1);
        break;
    default: {
        const QModelIndex moved = QListView::moveCursor(action, modifiers);
        const int step = action == MovePageUp ? -1 : 1;
        next = moved.isValid() ? nextEnabled(moved.row(), step) : QModelIndex();
        if (!next.isValid())
            next = nextEnabled(moved.isValid() ? moved.row() : row, -step);
    }
    }
    return next.isValid() ? next : current;
}

} // namespace ratio
