// Sharing, the row menus, what assistive technology reads, and right to left.
#include "MainScreenFixture.h"
#include "app/ShareSheet.h"
#include "platform/DeviceFacts.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace ratio {
namespace {

class ShareAndMenus : public MainScreenTest {
  protected:
    ~ShareAndMenus() override {
        DeviceFacts::setModel("");
        for (ShareSheet* sheet : screen().findChildren<ShareSheet*>())
            delete sheet;
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
        ASSERT_EQ(menu->actions().size(), 2);
        EXPECT_EQ(menu->actions()[0]->text(), "Unit");
        EXPECT_EQ(menu->actions()[1]->text(), "Share");
        menu->actions()[entry]->trigger();
        menu->close();
    }
};

TEST_F(ShareAndMenus, TheShareControlOffersTheVisibleResult) {
    type("12.5");
    QTest::mouseClick(screen().ShareButton, Qt::LeftButton);
    EXPECT_EQ(sharedText(), row1());
    EXPECT_TRUE(row1().endsWith(" km"));

    click(screen().CalculatorButton);
    QTest::mouseClick(screen().ShareButton, Qt::LeftButton);
    EXPECT_EQ(sharedText(), "12.5");
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

TEST_F(ShareAndMenus, ATabletSharesNothing) {
    DeviceFacts::setModel("iPad14,1");
    type("3");
    QTest::mouseClick(screen().ShareButton, Qt::LeftButton);
    chooseFromMenu(screen().Number0Label, 1);
    EXPECT_EQ(sharedText(), std::nullopt);
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
        EXPECT_EQ(access->role(), QAccessible::StaticText);
        EXPECT_EQ(access->text(QAccessible::Name), row->text());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(screen().Number0Label)->text(QAccessible::Name),
              "1,234 mile");
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
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace
} // namespace ratio
