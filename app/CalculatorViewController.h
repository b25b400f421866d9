#pragma once

#include "app/AnyViewController.h"
#include "engine/CalculatorDisplayHost.h"
#include "engine/LegacyCalculator.h"
#include "units/SelectedUnitsDisplay.h"

#include <QPointer>

#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

namespace Ui {
class CalculatorViewController;
}

namespace ratio {

class AppDelegate;
class KeyButton;
class NumberRowLabel;
class UnitNameIndex;
struct UnitPair;
struct StoredPairLookup;

// The main screen: keypad, the two number rows and the mode keys. Calculator
// mode is exactly the state in which row 1 is hidden.
class CalculatorViewController final : public AnyViewController,
                                       public CalculatorDisplayHost,
                                       public SelectedUnitsDisplay {
    Q_OBJECT

  public:
    explicit CalculatorViewController(AppDelegate& appDelegate, QWidget* parent = nullptr);
    ~CalculatorViewController() override;

    QPointer<NumberRowLabel> Number0Label, Number1Label;
    QPointer<QLabel> Unit0LongNameLabel, Unit1LongNameLabel;
    // Says which stored currency the rates no longer carry, over the fallback pair.
    QPointer<QLabel> MissingRateLabel;
    QPointer<KeyButton> Button0Large, Button1, Button2, Button3, Button4, Button5, Button6, Button7,
        Button8, Button9;
    QPointer<KeyButton> AdditionButton, SubtractionButton, MultiplicationButton, DivisionButton;
    QPointer<KeyButton> EqualButton, DecimalSeparatorButton, ClearButton, PlusMinusButton;
    QPointer<KeyButton> UnitButton, SwitchButton, CalculatorButton, ConverterButton;
    QPointer<QPushButton> Number0Button, Number1Button;
    QPointer<QToolButton> ShareButton;
    LegacyCalculator calculator;

    void switchToConverterMode();
    void switchToCalculatorMode();
    void swapUnits();
    void showUnitSelection();
    void equalPushed();
    void blinkNumber();
    void highlightOperatorButton(Mode mode);
    void setNumberLabelText(NumberRowLabel* label, const std::string& numberText,
                            const std::string& shortName);
    void fadeInUnitButton();
    // Rates have rebuilt the currencies: a stored currency pair shown as a
    // fallback so far comes back, unless units were chosen since the start.
    void restoreUnitsAwaitingRates();
    void showShareSheetPushed();
    void shareText(const QString& text);
    // The visible result: row 0 in calculator mode, row 1 in converter mode.
    QString visibleResult() const;
    // Enters the clipboard's number into row 0 as if typed after a clear;
    // a clipboard without a number changes nothing.
    void pasteNumber();
    // Puts a row's number on the clipboard as a spreadsheet reads it back:
    // without grouping and unit, with the locale's decimal separator.
    void copyRowNumber(const NumberRowLabel* row, const std::string& shortName);

    // CalculatorDisplayHost
    bool isConverterMode() const override;
    std::string shortName0() const override;
    std::string shortName1() const override;
    const MetricsCalculations& metricsCalculations0() const override;
    const MetricsCalculations& metricsCalculations1() const override;
    void setNumber0Text(const std::string& text) override;
    void setNumber1Text(const std::string& text) override;
    void showDivisionByZeroAlert() override;

    // SelectedUnitsDisplay
    void setUnit0LongNameLabel(const std::string& text) override;
    void setUnit1LongNameLabel(const std::string& text) override;
    void setConverterButtonTitle(const std::string& title) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void takeOutlets();
    void applyLook();
    void connectActions();
    void setUp();
    // What came of the stored pair; a fallback is shown when it was not found.
    StoredPairLookup restoreUnits(const UnitNameIndex& names);
    void showMissingRate(const std::string& line);
    void showUnitPair(const UnitPair& pair);
    void buildRowMenus();
    KeyButton* operatorButton(Mode mode) const;
    bool pressCharacters(const QString& characters, int key);
    static bool isKeypadDecimalKey(const QKeyEvent& event);

    AppDelegate& appDelegate;
    std::unique_ptr<Ui::CalculatorViewController> ui;
    QPointer<QMenu> row0Menu, row1Menu;
};

} // namespace ratio
