// A main screen over a fresh store, driven by real clicks and key events.
#pragma once

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/KeyButton.h"
#include "app/NumberRowLabel.h"
#include "engine/OperatorMode.h"
#include "localization/Localization.h"
#include "support/MemoryKeyValueStore.h"
#include "units/UnitCatalogueBuilder.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ratio {

// A main screen over a fresh store, in British English with "." and ",".
class MainScreenTest : public ::testing::Test {
  protected:
    MainScreenTest() : delegate(store, KeptRatesDocument(folder.path()), QLocale("en_GB")) {
        Localization::preferredLanguagesSource = [] { return std::vector<std::string>{"en-GB"}; };
        buildUnitCatalogue();
        OperatorMode::shared().setModeEnum(Mode::None);
    }

    CalculatorViewController& screen() {
        if (!main) {
            main = std::make_unique<CalculatorViewController>(delegate);
            main->resize(390, 844);
        }
        return *main;
    }

    void click(QAbstractButton* key) { QTest::mouseClick(key, Qt::LeftButton); }
    void type(const QString& keys) {
        for (QChar c : keys)
            QTest::keyClick(&screen(), c.toLatin1());
    }
    QString row0() { return screen().Number0Label->text(); }
    QString row1() { return screen().Number1Label->text(); }

    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> main;
};

} // namespace ratio
