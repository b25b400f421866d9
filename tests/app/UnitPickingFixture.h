#pragma once

#include "app/AdditionalUnitsViewController.h"
#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/KeyButton.h"
#include "app/NumberRowLabel.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"
#include "app/UnitsViewController.h"
#include "localization/Localization.h"
#include "support/MemoryKeyValueStore.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace ratio::testing {

inline bool sameChain(const MetricsCalculations& a, const MetricsCalculations& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.Operator == y.Operator && x.Number == y.Number;
    });
}

// The main screen shown offscreen in British English; the picking screens are
// opened with its unit key and driven with real clicks and keys.
class UnitPickingTest : public ::testing::Test {
  protected:
    UnitPickingTest() : delegate(store, KeptRatesDocument(folder.path()), QLocale("en_GB")) {
        Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
        buildUnitCatalogue();
        OperatorMode::shared().setModeEnum(Mode::None);
        PresentationStack::slideDuration = 0;
        main = std::make_unique<CalculatorViewController>(delegate);
        main->resize(390, 844);
        main->show();
    }
    ~UnitPickingTest() override { PresentationStack::slideDuration = 250; }

    PresentationStack& stack() { return PresentationStack::of(*main); }

    UnitsViewController* openSelection() {
        QTest::mouseClick(main->UnitButton, Qt::LeftButton);
        QCoreApplication::processEvents(); // the deferred scroll to the last position
        return qobject_cast<UnitsViewController*>(stack().top());
    }

    AdditionalUnitsViewController* additional() {
        if (!QTest::qWaitFor([this] { return stack().count() == 2; }, 1000))
            return nullptr;
        return qobject_cast<AdditionalUnitsViewController*>(stack().top());
    }

    // A click in the middle of the row, scrolled into view first.
    static void tap(UnitsBaseViewController* screen, int section, int row) {
        ASSERT_NE(screen, nullptr);
        screen->TableView->scrollToCentre(section, row);
        const QRect rect = screen->TableView->rowRect(section, row);
        ASSERT_FALSE(rect.isEmpty()) << "row " << section << ", " << row << " not shown";
        QTest::mouseClick(screen->TableView->viewport(), Qt::LeftButton, {}, rect.center());
    }

    bool waitUntilClosed() {
        return QTest::qWaitFor([this] { return stack().count() == 0; }, 1000);
    }

    static const Category& category(int section) {
        return unitCatalogue()[static_cast<std::size_t>(section)];
    }
    // The catalogue row of a category's first unit that is not in its compact list.
    static int firstHiddenRow(int section) {
        const auto& units = category(section).unitDefinitions;
        for (std::size_t row = 0; row < units.size(); ++row)
            if (!units[row].added)
                return static_cast<int>(row);
        return -1;
    }
    static QString status(UnitsBaseViewController* screen) { return screen->StatusLabel->text(); }
    static QString qt(const std::string& text) { return QString::fromStdString(text); }

    QTemporaryDir folder;
    MemoryKeyValueStore store;
    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> main;
};

} // namespace ratio::testing
