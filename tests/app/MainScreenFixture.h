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

    QTemporaryDir folder;
    testing::MemoryKeyValueStore store;
    AppDelegate delegate;
    std::unique_ptr<CalculatorViewController> main;
};

} // namespace ratio
