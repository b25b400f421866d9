// The main screen: keys, modes, the swap, the unit key's fade, sharing, the
// row menus, what assistive technology reads, rows that fit their text, and
// numbers from the clipboard into row 0 by Ctrl+V, Ctrl+C and the rows' Copy,
// in locales with different separators, over the real clipboard.
#include "MainScreenFixture.h"
#include "app/DivisionByZeroAlert.h"
#include "app/ShareSheet.h"
#include "app/TouchHold.h"
#include "platform/DeviceFacts.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsOpacityEffect>
#include <QRegularExpression>

#include <algorithm>

namespace ratio {
namespace {

// The operator keys that show their colours exchanged, as "+-*/" in that order.
QString litOperators(const CalculatorViewController& screen) {
    QString lit;
    const std::pair<QChar, KeyButton*> keys[] = {{u'+', screen.AdditionButton},
                                                 {u'-', screen.SubtractionButton},
                                                 {u'*', screen.MultiplicationButton},
                                                 {u'/', screen.DivisionButton}};
    for (auto [name, key] : keys)
        if (key->backgroundColor() == QColor(Qt::white))
            lit += name;
    return lit;
}

// Every key of the keypad, and a keyboard's keys for the same, reach the
// calculator; both rows follow each key, exactly the pending operator's key
// is lit, and after a result both numbers vanish, then come back white. The
// mode keys add or remove the unit symbol once, keep row 1 up to date while
// it is hidden, and swap their colours; a mode key of the current mode
// changes nothing. The swap (W) exchanges the rows, the units, their chains
// and the stored pair; what is typed next is a new number converted the other
// way, and twice is back.
TEST_F(MainScreenTest, KeysGiveBothRowsLightThePendingOperatorAndBlinkAResult) {
    const QColor dark(0x55, 0x55, 0x55), light(0xaa, 0xaa, 0xaa);
    // Keys on the keypad (C S K V are its keys) and typed (\r \b \x1b are keyboard keys).
    const struct {
        const char* keys;
        QString row0, row1, lit;
    } cases[] = {
        {"1234567890", "1,234,567,890 mile", "1,986,844,426.36416 km", ""},
        {"7-2\r", "5 mile", "8.04672 km", ""},
        {"6*3=", "18 mile", "28.968192 km", ""},
        {"8/2=", "4 mile", "6.437376 km", ""},
        {"7+1", "1 mile", "1.609344 km", "+"},
        {"6*", "6 mile", "9.656064 km", "*"},
        {"6*-1", "1 mile", "1.609344 km", "-"},
        {"6*C", "0 mile", "0 km", ""},
        {"12\b", "0 mile", "0 km", ""},
        {"12\x1b", "0 mile", "0 km", ""},
        {"5S", "-5 mile", "-8.04672 km", ""},
        {"2*3=.5", "0.5 mile", "0.804672 km", ""},
        {"12KK", "12", "19.312128 km", ""},
        {"12K3V", "123 mile", "197.949312 km", ""},
        {"12KVV", "12 mile", "19.312128 km", ""},
        {"5W2", "2 km", "1.24274238 mile", ""},
        {"5KW", "8.04672 km", "5 mile", ""},
        {"5WW2", "2 mile", "3.218688 km", ""},
    };
    for (const auto& row : cases) {
        const QString keys = QString::fromLatin1(row.keys);
        for (const bool typed : {false, true}) {
            if (keys.contains(QRegularExpression(typed ? "[CSKVW]" : "[\r\b\x1b]")))
                continue;
            SCOPED_TRACE(::testing::PrintToString(std::string(row.keys)) + (typed ? " typed" : ""));
            main.reset();
            OperatorMode::shared().setModeEnum(Mode::None);
            store.setText("unit0", "Mile (mile, mi)");
            store.setText("unit1", "Kilometre (km)");
            const bool result = keys.endsWith('=') || keys.endsWith('\r');
            // The colours are read straight after the key that gives the result, before
            // the event loop runs again and with it the timer that ends the blink; a
            // typed key acts on its press, and its release may wait in the event loop.
            typed ? type(result ? keys.chopped(1) : keys) : press(row.keys);
            if (typed && result)
                QTest::keyPress(&screen(), keys.back().toLatin1());
            NumberRowLabel* rows[] = {screen().Number0Label, screen().Number1Label};
            for (NumberRowLabel* number : rows)
                EXPECT_TRUE(!result || number->textColor() == number->backgroundColor());
            if (typed && result)
                QTest::keyRelease(&screen(), keys.back().toLatin1());
            EXPECT_EQ(row0(), row.row0);
            EXPECT_EQ(row1(), row.row1);
            EXPECT_EQ(litOperators(screen()), row.lit);
            const bool calculator = !row.row0.contains(u' ');
            EXPECT_EQ(screen().Number1Label->isHidden(), calculator);
            EXPECT_EQ(screen().CalculatorButton->backgroundColor(), calculator ? dark : light);
            EXPECT_EQ(screen().ConverterButton->backgroundColor(), calculator ? light : dark);
            // Each unit's symbol under its long name, the converter key's title and,
            // after a swap, the stored pair follow the rows.
            const QString unit0 = row.row0.section(' ', 1), unit1 = row.row1.section(' ', 1);
            EXPECT_TRUE(screen().ConverterButton->text().endsWith(unit1));
            EXPECT_TRUE(screen().Unit1LongNameLabel->text().contains("(" + unit1));
            EXPECT_TRUE(calculator || screen().Unit0LongNameLabel->text().contains("(" + unit0));
            if (keys.contains('W')) {
                EXPECT_EQ(store.value("unit0").text(),
                          screen().Unit0LongNameLabel->text().toStdString());
                EXPECT_EQ(store.value("unit1").text(),
                          screen().Unit1LongNameLabel->text().toStdString());
            }
            if (!result)
                continue;
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return std::all_of(std::begin(rows), std::end(rows),
                                   [](NumberRowLabel* r) { return r->textColor() == Qt::white; });
            }));
        }
    }
}

// The unit key fades in when the screen is shown, and rests without the effect.
TEST_F(MainScreenTest, TheUnitKeyFadesInWhenTheScreenIsShown) {
    EXPECT_EQ(screen().UnitButton->graphicsEffect(), nullptr);
    screen().show();
    auto* fade = qobject_cast<QGraphicsOpacityEffect*>(screen().UnitButton->graphicsEffect());
    ASSERT_NE(fade, nullptr);
    EXPECT_LT(fade->opacity(), 1.0);
    EXPECT_TRUE(
        QTest::qWaitFor([this] { return screen().UnitButton->graphicsEffect() == nullptr; }, 5000));
}

// The numeric keypad's decimal key enters the locale's separator whatever
// character the layout gives it; on the main keyboard the other separator
// stays ignored.
TEST_F(MainScreenTest, TheKeypadDecimalKeyEntersTheSeparatorInEveryLocale) {
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier, mainKeys = Qt::NoModifier;
    const struct {
        const char* locale;
        Qt::KeyboardModifiers modifiers;
        char key;
        QString row0;
    } cases[] = {
        {"de_DE", keypad, '.', "1,5 mile"},   {"ar_EG", keypad, ',', "1\u066b5 mile"},
        {"en_GB", keypad, ',', "1.5 mile"},   {"de_DE", mainKeys, '.', "15 mile"},
        {"de_DE", mainKeys, ',', "1,5 mile"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + (row.modifiers ? " keypad " : " ") + row.key);
        MainScreen local(row.locale);
        QTest::keyClick(&local.screen(), '1', keypad);
        QTest::keyClick(&local.screen(), row.key, row.modifiers);
        QTest::keyClick(&local.screen(), '5', keypad);
        EXPECT_EQ(local.row0(), row.row0);
        EXPECT_EQ(local.screen().DecimalSeparatorButton->text(),
                  QLocale(row.locale).decimalPoint());
    }
}

// The alert is dark like the screen, opens centred over the window, and its
// button closes it.
TEST_F(MainScreenTest, TheDivisionByZeroAlertIsDarkAndCentred) {
    screen().move(40, 30);
    screen().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen()));
    type("5/0=");
    auto* alert = screen().findChild<DivisionByZeroAlert*>("DivisionByZeroAlert");
    ASSERT_NE(alert, nullptr);
    ASSERT_TRUE(alert->isVisible());
    auto* ok = alert->findChild<QPushButton*>("OkButton");
    EXPECT_LT(alert->palette().color(QPalette::Window).lightness(), 64);
    const QPoint windowCentre = screen().mapToGlobal(screen().rect().center());
    EXPECT_LE((alert->geometry().center() - windowCentre).manhattanLength(), 1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !screen().findChild<DivisionByZeroAlert*>(); }, 1000));
    EXPECT_EQ(row0(), "0 mile");
}

class ShareAndMenus : public MainScreenTest {
  protected:
    ~ShareAndMenus() override {
        DeviceFacts::setModel("");
        qDeleteAll(screen().findChildren<ShareSheet*>());
    }

    // The text the open share sheet would share, read by pressing its copy button.
    std::optional<QString> sharedText() {
        auto* sheet = screen().findChild<ShareSheet*>("ShareSheet");
        if (!sheet)
            return std::nullopt;
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(sheet->findChild<QPushButton*>("CopyButton"), Qt::LeftButton);
        delete sheet;
        return QGuiApplication::clipboard()->text();
    }

    // Chooses an entry of a row's menu.
    void choose(QWidget* row, const char* title) {
        QAction* entry = menuEntry(row, title);
        ASSERT_NE(entry, nullptr);
        entry->trigger();
    }
};

// The share control offers the visible result, each row's menu its own row;
// row 1 rests in calculator mode (its menu neither shares nor copies), and a
// tablet shares nothing.
TEST_F(ShareAndMenus, TheShareControlAndEachRowsMenuShareWhatIsShown) {
    type("3");
    click(screen().ShareButton);
    EXPECT_EQ(sharedText(), row1());
    EXPECT_TRUE(row1().endsWith(" km"));
    choose(screen().Number0Label, "Share");
    EXPECT_EQ(sharedText(), "3 mile");
    choose(screen().Number1Button, "Share");
    EXPECT_EQ(sharedText(), row1());

    click(screen().CalculatorButton);
    click(screen().ShareButton);
    EXPECT_EQ(sharedText(), "3");
    choose(screen().Number0Button, "Share");
    EXPECT_EQ(sharedText(), "3");
    choose(screen().Number1Button, "Share");
    EXPECT_EQ(sharedText(), std::nullopt);
    QGuiApplication::clipboard()->setText("kept"); // nor copies it
    choose(screen().Number1Button, "Copy");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    DeviceFacts::setModel("iPad14,1");
    click(screen().ShareButton);
    choose(screen().Number0Label, "Share");
    EXPECT_EQ(sharedText(), std::nullopt);

    choose(screen().Number1Button, "Unit"); // the unit entry too
    EXPECT_TRUE(screen().Number1Label->isHidden());
    choose(screen().Number0Button, "Unit"); // opens the units in converter mode
    EXPECT_FALSE(screen().Number1Label->isHidden());
}

// A real right click opens a row's menu; picked from or closed with Escape,
// it stays closed past the time a finger's hold takes, and the next key goes
// to the screen. A finger held on a row opens the menu by itself.
TEST_F(ShareAndMenus, ARowMenuClosedStaysClosedAndAHeldFingerOpensIt) {
    screen().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen()));
    const auto openMenu = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    for (const bool pick : {true, false}) {
        SCOPED_TRACE(pick ? "picked" : "Escape");
        // Through the window, as the display server delivers it.
        QTest::mousePress(screen().windowHandle(), Qt::RightButton, {},
                          screen().Number0Label->mapTo(&screen(), QPoint(5, 5)));
        QMenu* menu = openMenu();
        ASSERT_NE(menu, nullptr);
        QTest::mouseRelease(menu, Qt::RightButton, {}, QPoint(-5, -5));
        QGuiApplication::clipboard()->setText("42");
        if (pick) {
            QAction* paste = menu->actions().back();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        } else {
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        EXPECT_FALSE(QTest::qWaitFor(openMenu, TouchHold::holdMilliseconds * 2));
        type("7");
        EXPECT_EQ(row0(), pick ? "427 mile" : "7 mile");
        press("C");
    }
    const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
    QTest::touchEvent(&screen(), finger.get()).press(0, QPoint(5, 5), screen().Number1Label);
    QTRY_VERIFY(openMenu() != nullptr);
    EXPECT_EQ(openMenu()->actions().size(), 3); // row 1's menu has no Paste
    QTest::touchEvent(&screen(), finger.get()).release(0, QPoint(5, 5), screen().Number1Label);
}

// Screen readers name every control and read both rows whole; each caption
// sits right under its own row.
TEST_F(MainScreenTest, EveryControlHasANameTheRowsReadTheirTextAndCaptionsSitUnderThem) {
    type("1234");
    for (QAbstractButton* control : screen().findChildren<QAbstractButton*>())
        EXPECT_TRUE(
            !control->isVisibleTo(&screen()) ||
            !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    for (NumberRowLabel* row : {screen().Number0Label.data(), screen().Number1Label.data()})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(row)->text(QAccessible::Name), row->text());
    // Each unit's long name sits right under its own row, where the row draws its number.
    screen().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen()));
    EXPECT_EQ(screen().Unit0LongNameLabel->y(), screen().Number0Label->geometry().bottom() + 1);
    EXPECT_EQ(screen().Unit1LongNameLabel->y(), screen().Number1Label->geometry().bottom() + 1);
}

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
