// What a widget draws, as the reader sees it: its text runs recorded at the
// positions the painter lays them out, put in order from left to right.
#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ratio::testing {

// An image whose painter records text instead of drawing pixels.
class DrawnText : public QImage {
  public:
    // Renders `widget` (and its children) and records every text run drawn.
    explicit DrawnText(QWidget& widget) : QImage(widget.size(), QImage::Format_ARGB32) {
        setDotsPerMeterX(3780); // 96 dots an inch, whatever the screen
        setDotsPerMeterY(3780);
        // A painter on the screen lays text out in the application's
        // direction; one that render() starts would guess it from each text.
        QPainter painter(this);
        painter.setLayoutDirection(QGuiApplication::layoutDirection());
        widget.render(&painter);
    }

    // The characters drawn between `top` and `bottom` as they appear from
    // left to right (a right-to-left run reversed, its brackets mirrored),
    // without spaces and invisible direction marks.
    QString leftToRight(int top = 0, int bottom = 1 << 30) const {
        std::vector<Run> line;
        std::copy_if(recorder.runs.begin(), recorder.runs.end(), std::back_inserter(line),
                     [&](const Run& run) { return run.baseline >= top && run.baseline <= bottom; });
        std::sort(line.begin(), line.end(), [](const Run& a, const Run& b) { return a.x < b.x; });
        QString shown;
        for (const Run& run : line)
            shown += run.shown();
        return shown;
    }
    // The right edge of the rightmost run drawn, 0 when nothing is.
    qreal rightEdge() const {
        qreal right = 0;
        for (const Run& run : recorder.runs)
            right = std::max(right, run.x + run.width);
        return right;
    }

    QPaintEngine* paintEngine() const override { return &recorder; }

  private:
    struct Run {
        qreal x, width, baseline;
        QString text;
        bool rightToLeft;

        QString shown() const {
            QString visible;
            for (QChar c : text)
                if (!c.isSpace() && c.category() != QChar::Other_Format)
                    visible += rightToLeft ? c.mirroredChar() : c;
            if (rightToLeft)
                std::reverse(visible.begin(), visible.end());
            return visible;
        }
    };

    class Recorder : public QPaintEngine {
      public:
        Recorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& at, const QTextItem& item) override {
            const QPointF mapped = painter()->deviceTransform().map(at);
            runs.push_back({mapped.x(), item.width(), mapped.y(), item.text(),
                            item.renderFlags().testFlag(QTextItem::RightToLeft)});
        }
        Type type() const override { return QPaintEngine::User; }

        std::vector<Run> runs;
    };

    mutable Recorder recorder;
};

} // namespace ratio::testing
