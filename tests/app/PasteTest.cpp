// A number from the clipboard into row 0 by Ctrl+V, Ctrl+C, and the rows'
// Copy, in locales with different separators, over the real clipboard.
#include "MainScreenFixture.h"
#include "units/SelectedUnits.h"

#include <QClipboard>

namespace ratio {
namespace {

// A main screen shown in British English, with `locale`'s separators.
struct Screen : MainScreen {
    explicit Screen(const char* locale) : MainScreen(locale) { screen().show(); }
    QString unit0() const { return QString::fromStdString(SelectedUnits::shared().shortName0); }
    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(main.get(), Qt::Key_V, Qt::ControlModifier);
    }
    // Types `keys`, the locale's separator by the keypad's decimal key.
    void typeKeys(const char* keys) {
        for (QChar key : QString::fromUtf8(keys))
            QTest::keyClick(main.get(), key.unicode() < 128 ? key.toLatin1() : '.',
                            key.unicode() < 128 ? Qt::NoModifier : Qt::KeypadModifier);
    }
};

// Each text is pasted over a pending "42 +", by Ctrl+V and by the row
// menu's Paste in turn: a number becomes the second operand, so "=" adds it;
// anything else changes nothing.
TEST(Paste, ReadsTheLocalesNumbersAsTheSecondOperand) {
    const struct {
        const char* locale;
        const char* clipboard; // "%u" stands for unit0's short name
        const char* row0;      // nullptr: unchanged
        const char* sum;       // row 0 after "="
    } cases[] = {
        // Which texts are numbers is the reader's own business; these show the
        // screen hands it the locale's separators and row 0's unit.
        {"en_GB", "1,234.5", "1,234.5", "1,276.5"}, {"en_GB", "7.25 %u", "7.25", "49.25"},
        {"en_GB", "1,5", nullptr, nullptr},         {"de_DE", "1234,5", "1.234,5", "1.276,5"},
        {"ar_EG", "١٬٢٣٤٫٥", "1٬234٫5", "1٬276٫5"}, {"ar_EG", "1234.5", "1٬234٫5", "1٬276٫5"},
        {"ar_EG", "1,234", nullptr, nullptr},
    };
    bool byMenu = false;
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.clipboard);
        Screen screen(row.locale);
        QTest::keyClicks(screen.main.get(), "42+");
        const QString before0 = screen.row0(), before1 = screen.row1();
        const QString text = QString::fromUtf8(row.clipboard).replace("%u", screen.unit0());
        if ((byMenu = !byMenu)) {
            screen.paste(text);
        } else {
            QGuiApplication::clipboard()->setText(text);
            menuEntry(screen.main->Number0Label, "Paste")->trigger();
        }
        EXPECT_EQ(OperatorMode::shared().modeEnum(), Mode::Addition);
        if (!row.row0) {
            EXPECT_EQ(screen.row0(), before0);
            EXPECT_EQ(screen.row1(), before1);
            continue;
        }
        EXPECT_EQ(screen.row0(), QString::fromUtf8(row.row0) + " " + screen.unit0());
        EXPECT_NE(screen.row1(), before1);
        QTest::keyClick(screen.main.get(), Qt::Key_Return);
        EXPECT_EQ(screen.row0(), QString::fromUtf8(row.sum) + " " + screen.unit0());
    }
}

// Row 0's unit (mile) and row 1's (kilometre) answer to every name ratio-cli
// reads for them; a name of any other unit is refused.
TEST(Paste, TakesTheNamesRatioCliReadsForTheRowsUnits) {
    const struct {
        const char* clipboard;
        const char* row0; // nullptr: refused
    } cases[] = {
        {"3 mi", "3 mile"},
        {"3 miles", "3 mile"},
        {"3 MILE", "3 mile"},
        {"3 Mile (mile, mi)", "3 mile"},
        {"1.609344 kilometres", "1 mile"},
        {"1.609344 km", "1 mile"},
        {"3 ft", nullptr},
        {"3 kmh", nullptr},
        {"3 mi km", nullptr},
        {"mi 3", nullptr},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.clipboard);
        Screen screen("en_GB");
        ASSERT_EQ(screen.unit0(), "mile");
        const QString before = screen.row0();
        screen.paste(QString::fromUtf8(row.clipboard));
        EXPECT_EQ(screen.row0(), row.row0 ? QString::fromUtf8(row.row0) : before);
    }
}

// A row menu's Copy gives the number alone, as a spreadsheet of the locale
// reads it. Ctrl+C copies the visible result as the screen shows it, as Share
// does: in converter mode row 1 with its grouping and unit, which Ctrl+V after
// other keys takes back as the row-0 value that gives it, so both rows come back.
TEST(CopyPaste, MenusCopyTheNumberAndCtrlCThenCtrlVGivesTheShownRowsBack) {
    const struct {
        const char* locale;
        const char* keys;
        const char *copied0, *copied1; // by the rows' menus
        const char* copied;            // by Ctrl+C
    } cases[] = {
        {"en_GB", "1234.5", "1234.5", "1986.735168", "1,986.735168 km"},
        {"de_DE", "1234,5", "1234,5", "1986,735168", "1.986,735168 km"},
        {"ar_EG", "1234٫5", "1234٫5", "1986٫735168", "1٬986٫735168 km"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.keys);
        Screen screen(row.locale);
        screen.typeKeys(row.keys);
        const QString row0 = screen.row0(), row1 = screen.row1();
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
        QTest::keyClicks(screen.main.get(), "9+");
        QTest::keyClick(screen.main.get(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(screen.row0(), row0);
        EXPECT_EQ(screen.row1(), row1);
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
    EXPECT_TRUE(screen.row0().endsWith("6639 " + screen.unit0()));
    QTest::keyClick(screen.main.get(), Qt::Key_Backspace);
    EXPECT_EQ(screen.row0(), "0 " + screen.unit0());
}

} // namespace
} // namespace ratio
