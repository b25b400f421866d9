#include "app/NumberRowLabel.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace ratio {
namespace {

constexpr int maximumSize = 72, minimumSize = 24;

QFont sized(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return font;
}

qreal widthAt(const QFont& font, int pixelSize, const QString& text) {
    return QFontMetricsF(sized(font, pixelSize)).horizontalAdvance(text);
}

struct Row {
    NumberRowLabel label;
    explicit Row(int width) {
        label.setPixelSizes(maximumSize, minimumSize);
        label.resize(width, 150);
    }
};

// A row measured at several sizes keeps each size's widths apart: a long
// text after a short one fits on one line at the smaller size, and the short
// one after it is back at the largest.
TEST(NumberRowLabel, FitsEachTextWhateverWasMeasuredBefore) {
    const QString shortText = QStringLiteral("1,234 km"),
                  longText = QStringLiteral("123,456,789,012 km");
    Row row(360);
    const qreal wide = widthAt(row.label.font(), maximumSize, longText);
    ASSERT_GT(wide, 360 - 2) << "the long text must not fit at the largest size";
    ASSERT_LT(widthAt(row.label.font(), minimumSize, longText), 360 - 2);
    for (int round = 0; round < 2; ++round) {
        row.label.setText(shortText);
        EXPECT_EQ(row.label.currentPixelSize(), maximumSize);
        EXPECT_EQ(row.label.lineCount(), 1);
        row.label.setText(longText);
        EXPECT_LT(row.label.currentPixelSize(), maximumSize);
        EXPECT_GE(row.label.currentPixelSize(), minimumSize);
        EXPECT_EQ(row.label.lineCount(), 1) << "round " << round;
    }
}

// A text given before the row had its width (as a screen sets its rows up
// before its layout runs) fits the width the row is shown at, and the next one.
TEST(NumberRowLabel, FitsATextGivenBeforeItsWidthOnceShown) {
    const QString text = QStringLiteral("123,456,789,012 km");
    NumberRowLabel label;
    label.setPixelSizes(maximumSize, minimumSize);
    label.setText(text);
    label.resize(360, 150);
    label.show();
    EXPECT_LT(label.currentPixelSize(), maximumSize);
    EXPECT_EQ(label.lineCount(), 1);
    label.resize(static_cast<int>(widthAt(label.font(), maximumSize, text)) + 8, 150);
    EXPECT_EQ(label.currentPixelSize(), maximumSize);
    EXPECT_EQ(label.lineCount(), 1);
}

// A new font (bold is wider) fits the text again at once, without waiting for the next key.
TEST(NumberRowLabel, RefitsWhenItsFontChanges) {
    const QString text = QStringLiteral("88,888,888 mile");
    Row probe(100);
    QFont bold = probe.label.font();
    bold.setBold(true);
    const qreal regular = widthAt(probe.label.font(), maximumSize, text);
    const qreal wider = widthAt(bold, maximumSize, text);
    ASSERT_GT(wider, regular + 4) << "bold digits must be wider in this font";
    Row row(static_cast<int>((regular + wider) / 2) + 2);
    row.label.setText(text);
    ASSERT_EQ(row.label.currentPixelSize(), maximumSize);
    row.label.setFont(bold);
    EXPECT_LT(row.label.currentPixelSize(), maximumSize);
    EXPECT_EQ(row.label.lineCount(), 1);
}

} // namespace
} // namespace ratio
