// A main screen over a fresh store, driven by real clicks and key events, and
// the picking screens its unit key opens.
#pragma once

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/KeyButton.h"
#include "app/NumberRowLabel.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "app/UnitsViewController.h"
#include "engine/OperatorMode.h"
#include "localization/Localization.h"
#include "platform/CurrencyUpdate.h"
#include "support/MemoryKeyValueStore.h"
#include "support/SampleRates.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ratio {

// Where the catalogue holds its first unit that passes (no unit: nowhere).
struct CataloguePlace {
    int section = -1, row = -1;
    const UnitDefinition* unit = nullptr;
};
template <typename Test> CataloguePlace findUnit(Test passes) {
    const UnitCatalogue& catalogue = unitCatalogue();
    for (std::size_t section = 0; section < catalogue.size(); ++section) {
        const auto& units = catalogue[section].unitDefinitions;
        for (std::size_t row = 0; row < units.size(); ++row)
            if (passes(units[row]))
                return {static_cast<int>(section), static_cast<int>(row), &units[row]};
    }
    return {};
}

// A click in the middle of a unit list's row, scrolled into view first.
inline void tap(UnitsBaseViewController* screen, int section, int row) {
    ASSERT_NE(screen, nullptr);
    screen->TableView->scrollToCentre(section, row);
    const QRect rect = screen->TableView->rowRect(section, row);
    ASSERT_FALSE(rect.isEmpty()) << "row " << section << ", " << row << " not shown";
    QTest::mouseClick(screen->TableView->viewport(), Qt::LeftButton, {}, rect.center());
}

// The entry titled `title` of a row's menu, opened with a right click, or null.
inline QAction* menuEntry(QWidget* row, const QString& title) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), row->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(row, &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return nullptr;
    menu->close();
    for (QAction* action : menu->actions())
        if (action->text() == title)
            return action;
    return nullptr;
}

// A main screen in British English with `locale`'s separators, over a fresh
// store and data folder, or over ones that outlive it, as the next start finds them.
class MainScreen {
  public:
    explicit MainScreen(const char* localeName = "en_GB") : MainScreen(nullptr, {}, localeName) {}
    MainScreen(KeyValueStore* settings, const QString& dataFolder, const char* localeName = "en_GB")
        : locale(localeName),
          delegate(settings ? *settings : store,
                   KeptRatesDocument(dataFolder.isEmpty() ? folder.path() : dataFolder), locale) {
        Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
        buildUnitCatalogue();
        OperatorMode::shared().setModeEnum(Mode::None);
    }
    // Starts as main() does: the delegate's start-up, then the window.
    void launch() {
        delegate.didFinishLaunching();
        delegate.window = &screen();
    }
    bool settles() {
        return QTest::qWaitFor([this] { return delegate.pendingRateRequests() == 0; }, 10000);
    }

    CalculatorViewController& screen() {
        if (!main) {
            main = std::make_unique<CalculatorViewController>(delegate);
            main->resize(390, 844);
        }
        return *main;
    }

    void click(QAbstractButton* key) { QTest::mouseClick(key, Qt::LeftButton); }
    // Clicks the screen's keys: digits, + - * / =, "." the separator, C clear,
    // S the sign, W the unit swap, K calculator mode, V converter mode.
    void press(const char* keys) {
        CalculatorViewController& s = screen();
        for (const char* key = keys; *key; ++key) {
            if (*key >= '0' && *key <= '9') {
                KeyButton* digits[] = {s.Button0Large, s.Button1, s.Button2, s.Button3, s.Button4,
                                       s.Button5,      s.Button6, s.Button7, s.Button8, s.Button9};
                click(digits[*key - '0']);
                continue;
            }
            const std::pair<char, QAbstractButton*> others[] = {
                {'+', s.AdditionButton},       {'-', s.SubtractionButton},
                {'*', s.MultiplicationButton}, {'/', s.DivisionButton},
                {'=', s.EqualButton},          {'.', s.DecimalSeparatorButton},
                {'C', s.ClearButton},          {'S', s.PlusMinusButton},
                {'W', s.SwitchButton},         {'K', s.CalculatorButton},
                {'V', s.ConverterButton}};
            for (auto [name, button] : others)
                if (name == *key)
                    click(button);
        }
    }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(&screen(), c.toLatin1());
    }
    QString row0() { return screen().Number0Label->text(); }
    QString row1() { return screen().Number1Label->text(); }

    // Rate elements in a document taken in as a download on `day` would be.
    void applyRates(const QByteArray& rates, QDate day) {
        ASSERT_TRUE(applyDownloadedRates(unitCatalogue(), Localization::shared().strings(),
                                         KeptRatesDocument(folder.path()),
                                         testing::rateDocument("", rates), locale, day));
    }

    // Opens the unit selection with the main screen's unit key.
    UnitsViewController* openSelection() {
        QTest::mouseClick(screen().UnitButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the deferred scroll to the last position
        return qobject_cast<UnitsViewController*>(stack().top());
    }
    PresentationStack& stack() { return PresentationStack::of(screen()); }
    // Waits until `count` picking screens are open over the main screen.
    bool screensOpen(int count) {
        return QTest::qWaitFor([&] { return stack().count() == count; }, 1000);
    }
    bool waitUntilClosed() { return screensOpen(0); }

    virtual ~MainScreen() { PresentationStack::slideDuration = 250; }

    QLocale locale;
    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> main;
};

class MainScreenTest : public ::testing::Test, public MainScreen {};

// The main screen shown, its picking screens opening without their slide.
class PickingTest : public MainScreenTest {
  protected:
    PickingTest() {
        PresentationStack::slideDuration = 0;
        screen().show();
    }
};

} // namespace ratio
