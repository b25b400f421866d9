#pragma once

#include <QListView>

namespace ratio {

class UnitListModel;

// The list of a unit-picking screen. A tap is a click, Return or Space on a
// unit or "more" row; Escape asks to go back. The arrow keys skip headers,
// typing a unit's first letters moves to it, and the header of the section at
// the top stays drawn over the top edge while that section scrolls under it.
// The current row is framed only once the keyboard has moved there: on
// opening it is merely where the arrow keys will start.
class UnitListView : public QListView {
    Q_OBJECT

  public:
    explicit UnitListView(QWidget* parent = nullptr);

    UnitListModel* unitModel() const;
    // Places (section, row) in the middle of the visible area, at once.
    void scrollToCentre(int section, int row);
    // The visible rectangle of (section, row) in the viewport; empty when hidden.
    QRect rowRect(int section, int row) const;
    // Whether the keyboard moved to the current row, since opening or the last click.
    bool showsCurrentRow() const { return keyboardMoved; }

  signals:
    void tapped(int section, int row);
    void backRequested();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

  private:
    // The height of the pinned header at the top edge, 0 when none is drawn.
    int pinnedHeaderHeight() const;
    void tap(const QModelIndex& index);
    QModelIndex nextEnabled(int from, int step) const;

    QPersistentModelIndex pressed;
    bool keyboardMoved = false;
};

} // namespace ratio
