#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace ratio {

class AdvanceTable;

// A number row: the text right-aligned, always left to right, in the largest
// size between the maximum and the minimum that fits on one line. A text too
// long even at the minimum wraps between any two characters and scrolls with
// the wheel, so every digit stays on screen somewhere; the row shows the end
// (the last digits typed) after each change. Only the visible lines are drawn.
class NumberRowLabel : public QWidget {
    Q_OBJECT

  public:
    explicit NumberRowLabel(QWidget* parent = nullptr);
    ~NumberRowLabel() override;

    QString text() const { return content; }
    void setText(const QString& text);

    QColor textColor() const { return color; }
    void setTextColor(const QColor& textColor);
    QColor backgroundColor() const;

    void setPixelSizes(int maximum, int minimum);
    int currentPixelSize() const;
    int lineCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void relayout();
    void layOut();
    void ensureLaidOut() const;
    int lines() const { return static_cast<int>(lineStarts.size()); }
    void fitText();
    const AdvanceTable& advanceTable(const QFont& sized) const;
    qreal widthOf(const QFont& font, qsizetype from, qsizetype to) const;
    void wrapLines(const QFont& sized, qreal available);
    int lineHeight() const;
    int visibleHeight() const;
    int maximumScroll() const;

    static constexpr int scrollBarWidth = 6;

    QString content;
    QColor color = Qt::white;
    int maximumPixelSize = 72;
    int minimumPixelSize = 24;
    int pixelSize = 72;
    std::vector<qsizetype> lineStarts;
    int scrollOffset = 0;
    bool laidOut = false;
    QFont sizedFont;
    int sizedLineHeight = 0;
    mutable std::vector<std::unique_ptr<AdvanceTable>> advanceTables;
};

} // namespace ratio
