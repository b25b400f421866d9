// The main screen: keys, sharing, the row menus, what assistive technology
// reads, right to left, and a number too long to show at once.
#include "MainScreenFixture.h"
#include "app/DivisionByZeroAlert.h"
#include "app/ShareSheet.h"
#include "engine/BDouble.h"
#include "platform/DeviceFacts.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace ratio {
namespace {

// The buttons reach the calculator; an operator lights while it is pending;
// division by zero shows the alert.
TEST_F(MainScreenTest, ButtonsDriveTheCalculator) {
    click(screen().Button2);
    click(screen().AdditionButton);
    EXPECT_EQ(screen().AdditionButton->backgroundColor(), QColor(Qt::white)); // lit
    click(screen().Button3);
    click(screen().EqualButton);
    EXPECT_NE(screen().AdditionButton->backgroundColor(), QColor(Qt::white));
    EXPECT_EQ(row0(), "5 mile");
    EXPECT_EQ(row1(), "8.04672 km");
    click(screen().SwitchButton);
    EXPECT_EQ(row0(), "8.04672 km");
    EXPECT_EQ(screen().ConverterButton->text(), QString::fromUtf8("\u2192 mile"));
    click(screen().CalculatorButton);
    EXPECT_EQ(row0(), "8.04672");
    EXPECT_TRUE(screen().Number1Label->isHidden());
    click(screen().ConverterButton);
    EXPECT_EQ(row0(), "8.04672 km");
    type("/0=");
    auto* alert = screen().findChild<QWidget*>("DivisionByZeroAlert");
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(row0(), "0 km");
}

// The numeric keypad's decimal key enters the locale's separator whatever
// character the layout gives it; on the main keyboard the other separator
// stays ignored.
TEST_F(MainScreenTest, TheKeypadDecimalKeyEntersTheSeparatorInEveryLocale) {
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier, mainKeys = Qt::NoModifier;
    const struct {
        const char* locale;
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        const char* text;
        QString row0;
    } cases[] = {
        {"de_DE", keypad, Qt::Key_Period, ".", "1,5 mile"},
        {"de_DE", keypad, Qt::Key_Comma, ",", "1,5 mile"},
        {"ar_EG", keypad, Qt::Key_Period, ".", "1\u066b5 mile"},
        {"ar_EG", keypad, Qt::Key_Comma, ",", "1\u066b5 mile"},
        {"en_GB", keypad, Qt::Key_Comma, ",", "1.5 mile"},
        {"de_DE", mainKeys, Qt::Key_Period, ".", "15 mile"},
        {"de_DE", mainKeys, Qt::Key_Comma, ",", "1,5 mile"},
        {"en_GB", mainKeys, Qt::Key_Comma, ",", "15 mile"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.locale) + (row.modifiers ? " keypad " : " ") + row.text);
        AppDelegate localDelegate(store, KeptRatesDocument(folder.path()), QLocale(row.locale));
        CalculatorViewController local(localDelegate);
        const auto press = [&local](Qt::Key key, Qt::KeyboardModifiers modifiers,
                                    const QString& text) {
            QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
            QApplication::sendEvent(&local, &event);
        };
        press(Qt::Key_1, keypad, "1");
        press(row.key, row.modifiers, row.text);
        press(Qt::Key_5, keypad, "5");
        EXPECT_EQ(local.Number0Label->text(), row.row0);
    }
}

// The alert keeps its texts, is dark and readable like the screen, opens
// centred over the window, and its button closes it.
TEST_F(MainScreenTest, TheDivisionByZeroAlertIsDarkAndCentred) {
    screen().move(40, 30);
    screen().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen()));
    type("5/0=");
    auto* alert = screen().findChild<DivisionByZeroAlert*>("DivisionByZeroAlert");
    ASSERT_NE(alert, nullptr);
    ASSERT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->findChild<QLabel*>("AlertTitle")->text(), "/ 0");
    EXPECT_EQ(alert->findChild<QLabel*>("AlertMessage")->text(), "Division 0");
    auto* ok = alert->findChild<QPushButton*>("OkButton");
    EXPECT_EQ(ok->text().toStdString(), Localization::shared().strings().OK_Yes);
    const QColor panel = alert->palette().color(QPalette::Window);
    EXPECT_LT(panel.lightness(), 64);
    for (QWidget* part : std::initializer_list<QWidget*>{alert->findChild<QLabel*>("AlertTitle"),
                                                         alert->findChild<QLabel*>("AlertMessage")})
        EXPECT_GT(part->palette().color(QPalette::WindowText).lightness() - panel.lightness(), 128)
            << part->objectName().toStdString();
    EXPECT_GT(ok->palette().color(QPalette::ButtonText).lightness() - panel.lightness(), 64);
    const QPoint windowCentre = screen().mapToGlobal(screen().rect().center());
    EXPECT_LE((alert->geometry().center() - windowCentre).manhattanLength(), 1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !screen().findChild<DivisionByZeroAlert*>(); }, 1000));
    EXPECT_EQ(row0(), "0 mile");
}

// A key on a number of 100,000 digits is handled at once, and nothing is lost.
TEST_F(MainScreenTest, AHundredThousandDigitNumberTakesTheNextKey) {
    screen().calculator.Number0 = *BDouble::fromText(std::string(100000, '9'));
    QTest::keyClick(&screen(), '7');
    const QString text = row0();
    EXPECT_EQ(text.count(u'9'), 100000);
    EXPECT_TRUE(text.endsWith(",997 mile"));
    EXPECT_GT(screen().Number0Label->lineCount(), 100);
    QTest::keyClick(&screen(), Qt::Key_Backspace);
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

    // Opens a row's menu with a right click and chooses an entry.
    void chooseFromMenu(QWidget* row, int entry) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                row->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(row, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_GE(menu->actions().size(), 2); // the unit and sharing come first
        menu->actions()[entry]->trigger();
        menu->close();
    }
};

TEST_F(ShareAndMenus, TheShareControlAndCopyOfferTheVisibleResultButATabletSharesNothing) {
    type("12.5");
    click(screen().ShareButton);
    EXPECT_EQ(sharedText(), row1());
    EXPECT_TRUE(row1().endsWith(" km"));
    QTest::keyClick(&screen(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), row1());
    click(screen().CalculatorButton);
    click(screen().ShareButton);
    EXPECT_EQ(sharedText(), "12.5");

    DeviceFacts::setModel("iPad14,1");
    click(screen().ShareButton);
    chooseFromMenu(screen().Number0Label, 1);
    EXPECT_EQ(sharedText(), std::nullopt);
}

TEST_F(ShareAndMenus, RowMenusShareTheirRowAndRowOneRestsInCalculatorMode) {
    type("3");
    chooseFromMenu(screen().Number0Label, 1);
    EXPECT_EQ(sharedText(), "3 mile");
    chooseFromMenu(screen().Number1Button, 1);
    EXPECT_EQ(sharedText(), row1());

    click(screen().CalculatorButton);
    chooseFromMenu(screen().Number0Button, 1);
    EXPECT_EQ(sharedText(), "3");
    chooseFromMenu(screen().Number1Button, 1);
    EXPECT_EQ(sharedText(), std::nullopt);
    chooseFromMenu(screen().Number1Button, 0); // the unit entry too
    EXPECT_TRUE(screen().Number1Label->isHidden());
    chooseFromMenu(screen().Number0Button, 0); // opens the units in converter mode
    EXPECT_FALSE(screen().Number1Label->isHidden());
}

// Screen readers name every control and read both rows whole.
TEST_F(MainScreenTest, EveryControlHasANameAndTheRowsReadTheirText) {
    type("1234");
    for (QAbstractButton* control : screen().findChildren<QAbstractButton*>()) {
        if (!control->isVisibleTo(&screen()))
            continue;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(access, nullptr);
        EXPECT_FALSE(access->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }
    for (NumberRowLabel* row : {screen().Number0Label.data(), screen().Number1Label.data()}) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(row);
        ASSERT_NE(access, nullptr);
        EXPECT_EQ(access->text(QAccessible::Name), row->text());
    }
    EXPECT_EQ(row0(), "1,234 mile");
}

// Runs in its own process with Arabic chosen (see tests/CMakeLists.txt).
TEST(RightToLeft, ArabicMirrorsTheScreenButKeepsTheKeypadInOrder) {
    if (Localization::shared().language != Language::Arabic)
        GTEST_SKIP() << "needs RATIO_TEST_LANGUAGES=ar";
    testing::MemoryKeyValueStore store;
    QTemporaryDir folder;
    AppDelegate delegate(store, KeptRatesDocument(folder.path()), QLocale("ar_EG"));
    delegate.didFinishLaunching();
    CalculatorViewController screen(delegate);
    screen.resize(390, 844);
    screen.show();
    QApplication::processEvents();
    EXPECT_EQ(screen.layoutDirection(), Qt::RightToLeft);
    EXPECT_LT(screen.Button7->x(), screen.Button9->x());
    EXPECT_LT(screen.ShareButton->mapTo(&screen, QPoint(0, 0)).x(), screen.width() / 2);
    // Screen readers speak the language too.
    EXPECT_EQ(screen.AdditionButton->accessibleName().toStdString(),
              Localization::shared().strings().Key_plus);
    EXPECT_NE(screen.AdditionButton->accessibleName(), QStringLiteral("plus"));
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace
} // namespace ratio
