#include "app/NumberRowLabel.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace ratio {
namespace {

constexpr int maximumSize = 72, minimumSize = 24;

qreal widthAt(QFont font, int pixelSize, const QString& text) {
    font.setPixelSize(pixelSize);
    return QFontMetricsF(font).horizontalAdvance(text);
}

// A row fits each text on one line at the largest size that lets it,
// whatever it measured before: a text given before the row had its width (as
// a screen sets its rows up before its layout runs), a short text after a
// long one, and the same text in a new font (bold is wider) at once, without
// waiting for the next key.
TEST(NumberRowLabel, FitsEachTextWhateverCameBefore) {
    const QString shortText = QStringLiteral("1,234 km"),
                  longText = QStringLiteral("123,456,789,012 km");
    NumberRowLabel label;
    label.setPixelSizes(maximumSize, minimumSize);
    ASSERT_GT(widthAt(label.font(), maximumSize, longText), 360 - 2)
        << "must not fit at the largest";
    ASSERT_LT(widthAt(label.font(), minimumSize, longText), 360 - 2);
    label.setText(longText);
    label.resize(360, 150);
    label.show();
    EXPECT_LT(label.currentPixelSize(), maximumSize);
    EXPECT_EQ(label.lineCount(), 1);
    for (const QString& text : {shortText, longText, shortText}) {
        label.setText(text);
        EXPECT_EQ(label.currentPixelSize() == maximumSize, text == shortText);
        EXPECT_EQ(label.lineCount(), 1);
    }

    QFont bold = label.font();
    bold.setBold(true);
    const qreal regular = widthAt(label.font(), maximumSize, shortText);
    const qreal wider = widthAt(bold, maximumSize, shortText);
    ASSERT_GT(wider, regular + 4) << "bold digits must be wider in this font";
    label.resize(static_cast<int>((regular + wider) / 2) + 2, 150);
    ASSERT_EQ(label.currentPixelSize(), maximumSize);
    label.setFont(bold);
    EXPECT_LT(label.currentPixelSize(), maximumSize);
    EXPECT_EQ(label.lineCount(), 1);
}

} // namespace
} // namespace ratio
