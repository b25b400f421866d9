// Writes the width in pixels of every picking prompt, count text and the
// empty currency list's note of every language table, in the fonts of the unit
// screens (the status line's 20 px semibold, the list's 17 px for the others),
// and the lines each takes when wrapped to the status line's width. Built and
// run by measure_string_tables.py --widths; not part of the app.
#include "localization/CategoryTexts.h"
#include "localization/CountFormat.h"
#include "localization/Localization.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using ratio::Language;
    QGuiApplication app(argc, argv);
    QFont statusFont;
    statusFont.setPixelSize(20);
    statusFont.setWeight(QFont::DemiBold);
    QFont listFont;
    listFont.setPixelSize(17);
    const QFontMetricsF status(statusFont);
    const QFontMetricsF list(listFont);
    constexpr double statusWidth = 390 - 2 * 16;
    auto print = [&](int raw, const char* kind, const QFontMetricsF& metrics,
                     const std::string& text) {
        const QString shown = QString::fromStdString(text);
        const double width = metrics.horizontalAdvance(shown);
        const QRectF wrapped =
            metrics.boundingRect(QRectF(0, 0, statusWidth, 1e4), Qt::TextWordWrap, shown);
        const int lines = static_cast<int>(wrapped.height() / metrics.lineSpacing() + 0.5);
        std::printf("%d\t%s\t%.0f\t%d\t%s\n", raw, kind, width, lines, text.c_str());
    };
    for (int raw = 0; raw < static_cast<int>(Language::Count); ++raw) {
        const auto language = static_cast<Language>(raw);
        const auto table = ratio::Localization::makeStrings(language);
        print(raw, "prompt", status, table->Pick_first_unit);
        print(raw, "note", list, table->Currency_rates_not_downloaded);
        for (const auto& category : ratio::categoryTexts()) {
            print(raw, "prompt", status, *table.*category.pickFirst);
            print(raw, "prompt", status, *table.*category.pickSecond);
            for (const long long count : {1LL, 2LL, 5LL, 17LL, 22LL})
                print(raw, "count", list,
                      ratio::formatCount(*table.*category.moreUnits, count, language));
        }
    }
    return 0;
}
