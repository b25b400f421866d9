#pragma once

#include "app/AnyViewController.h"
#include "engine/KeypadKey.h"
#include "units/MainScreenModel.h"
#include "units/SelectedUnitsDisplay.h"

#include <QPointer>

#include <memory>
#include <optional>

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
struct HistoryEntry;

// The main screen: keypad, the two number rows and the mode keys, the
// widgets over a MainScreenModel. Row 1 is shown exactly in converter mode.
class CalculatorViewController final : public AnyViewController, public SelectedUnitsDisplay {
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
    QPointer<QToolButton> HistoryButton, ShareButton;
    MainScreenModel model;
    LegacyCalculator& calculator = model.calculator;

    void switchToConverterMode();
    void switchToCalculatorMode();
    void swapUnits();
    void showUnitSelection();
    // The history screen over this one (its key, Ctrl+H).
    void showHistory();
    // An entry of the history into row 0, every digit of it; a conversion
    // brings its pair back too, when this run has both units.
    void reuseEntry(const HistoryEntry& entry);
    void equalPushed();
    void blinkNumber();
    void highlightOperatorButton(Mode mode);
    void fadeInUnitButton();
    // Rates have rebuilt the currencies: a stored currency pair shown as a
    // fallback so far comes back, unless units were chosen since the start;
    // otherwise the pair on screen converts with the new rates.
    void restoreUnitsAwaitingRates();
    void showShareSheetPushed();
    void shareText(const QString& text);
    // The visible result: row 0 in calculator mode, row 1 in converter mode.
    QString visibleResult() const;
    // Enters the clipboard's text into row 0 (see MainScreenModel::paste);
    // a clipboard without a number changes nothing.
    void pasteNumber();
    bool isConverterMode() const { return model.isConverterMode(); }
    void showDivisionByZeroAlert();
    // A keypad key, from the keyboard: equals blinks, the swap stores the pair.
    void pressKey(KeypadKey key);

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
    void showUnitPair(const UnitPair& pair, const UnitNameIndex& names);
    void convertWithNewRates();
    void buildRowMenus();
    KeyButton* operatorButton(Mode mode) const;
    void showRowsOfModel();
    std::optional<KeypadKey> typedKey(const QKeyEvent& event) const;
    static bool isKeypadDecimalKey(const QKeyEvent& event);

    AppDelegate& appDelegate;
    std::unique_ptr<Ui::CalculatorViewController> ui;
    QPointer<QMenu> row0Menu, row1Menu;
};

} // namespace ratio
