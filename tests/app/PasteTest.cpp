// A number from the clipboard into row 0 by Ctrl+V, Ctrl+C, and the rows'
// Copy, in locales with different separators, over the real clipboard.
#include "MainScreenFixture.h"

#include <QClipboard>

namespace ratio {
namespace {

// A main screen shown in British English, with `locale`'s separators.
struct Screen : MainScreen {
    explicit Screen(const char* locale) : MainScreen(locale) { screen().show(); }
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(main.get(), Qt::Key_V, Qt::ControlModifier);
    }
};

// Each text is pasted over a pending "42 +", by Ctrl+V and by the row
// menu's Paste in turn: a number becomes the second operand, so "=" adds it;
// anything else changes nothing. Which texts are numbers is the reader's own
// business; these show the screen hands it the locale's separators and the
// rows' units, by every name ratio-cli reads for them.
TEST(Paste, ReadsTheLocalesNumbersAndTheRowsUnitsAsTheSecondOperand) {
    const struct {
        const char* locale;
        const char* clipboard;
        const char* row0; // nullptr: unchanged
        const char* sum;  // row 0 after "="
    } cases[] = {
        {"en_GB", "1,234.5", "1,234.5", "1,276.5"},
        {"en_GB", "1,5", nullptr, nullptr},
        {"de_DE", "1234,5", "1.234,5", "1.276,5"},
        {"ar_EG", "١٬٢٣٤٫٥", "1٬234٫5", "1٬276٫5"},
        {"en_GB", "3 miles", "3", "45"},
        {"en_GB", "3 ft", nullptr, nullptr},
        {"en_GB", "3 Mile (mile, mi)", "3", "45"},
        {"en_GB", "1.609344 km", "1", "43"},
    };
    bool byKeys = false;
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.clipboard);
        Screen screen(row.locale);
        QTest::keyClicks(screen.main.get(), "42+");
        const QString before0 = screen.row0(), before1 = screen.row1();
        if ((byKeys = !byKeys)) {
            screen.paste(QString::fromUtf8(row.clipboard));
        } else {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
            menuEntry(screen.main->Number0Label, "Paste")->trigger();
        }
        EXPECT_EQ(OperatorMode::shared().modeEnum(), Mode::Addition);
        if (!row.row0) {
            EXPECT_EQ(screen.row0(), before0);
            EXPECT_EQ(screen.row1(), before1);
            continue;
        }
        EXPECT_EQ(screen.row0(), QString::fromUtf8(row.row0) + " mile");
        EXPECT_NE(screen.row1(), before1);
        QTest::keyClick(screen.main.get(), Qt::Key_Return);
        EXPECT_EQ(screen.row0(), QString::fromUtf8(row.sum) + " mile");
    }
}

// A row menu's Copy gives the number alone, as a spreadsheet of the locale
// reads it. Ctrl+C copies the visible result as the screen shows it, as Share
// does: in converter mode row 1 with its grouping and unit (that pasting it
// gives both rows back is the model's test).
TEST(CopyPaste, MenusCopyTheNumberAndCtrlCTheShownResult) {
    const struct {
        const char* locale;
        const char* pasted;
        const char *copied0, *copied1; // by the rows' menus
        const char* copied;            // by Ctrl+C
    } cases[] = {
        {"en_GB", "1234.5", "1234.5", "1986.735168", "1,986.735168 km"},
        {"ar_EG", "1234٫5", "1234٫5", "1986٫735168", "1٬986٫735168 km"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.pasted);
        Screen screen(row.locale);
        screen.paste(QString::fromUtf8(row.pasted));
        for (auto [number, copied] :
             {std::pair<QWidget*, const char*>(screen.main->Number0Label, row.copied0),
              {screen.main->Number1Label, row.copied1}}) {
            QAction* copy = menuEntry(number, "Copy");
            ASSERT_NE(copy, nullptr);
            copy->trigger();
            EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(copied));
        }
        QTest::keyClick(screen.main.get(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.copied));
    }
}

// A number of 100,000 digits arrives whole and exact, as one entry rather than
// one key per digit (which would write a diagnostic line per decimal digit);
// grouped and wrapped over many lines, it takes the next key at once, and
// Backspace clears it.
TEST(Paste, AHundredThousandDigitsArriveAsOneEntry) {
    Screen screen("en_GB");
    int diagnosticLines = 0;
    screen.main->calculator.diagnosticSink = [&](const std::string&) { ++diagnosticLines; };
    const std::string digits = std::string(50'000, '9') + "." + std::string(49'999, '6') + "3";
    screen.paste(QString::fromStdString(digits));
    EXPECT_EQ(screen.main->calculator.Number0, *BDouble::fromText(digits));
    EXPECT_EQ(screen.main->calculator.DecimalInputPlace, 50'000);
    EXPECT_EQ(diagnosticLines, 0);
    EXPECT_EQ(screen.row0().count(u','), 16'666);
    EXPECT_GT(screen.main->Number0Label->lineCount(), 100);
    QTest::keyClicks(screen.main.get(), "9");
    EXPECT_TRUE(screen.row0().endsWith("6639 mile"));
    QTest::keyClick(screen.main.get(), Qt::Key_Backspace);
    EXPECT_EQ(screen.row0(), "0 mile");
}

} // namespace
} // namespace ratio
