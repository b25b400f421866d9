// The main screen without its widgets, driven by the window and by ratio-cli.
//
// Data flow: a key reaches the calculator, which writes the number texts of
// the rows here; each row is then shown grouped, with its unit's short name
// after it (row 0 only in converter mode), and the view is told.
#pragma once

#include "engine/KeypadKey.h"
#include "engine/LegacyCalculator.h"
#include "engine/LocaleNumber.h"
#include "units/HistoryRecorder.h"
#include "units/UnitDefinition.h"
#include "units/UnitPosition.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ratio {

class UnitResolver;

class MainScreenModel final : private CalculatorDisplayHost {
  public:
    // Starts in converter mode with both rows at zero and no units.
    MainScreenModel(std::string_view decimalSeparator, std::string_view groupingSeparator,
                    OperatorMode& operatorMode = OperatorMode::shared());
    MainScreenModel(const MainScreenModel&) = delete;
    MainScreenModel& operator=(const MainScreenModel&) = delete;

    LegacyCalculator calculator;

    // Told each time a row's text changes, and of a division by zero.
    std::function<void(const std::string& text)> row0Changed, row1Changed;
    std::function<void()> divisionByZero;
    // Makes the history's entries (see HistoryRecorder); its `recorded` is the front end's.
    HistoryRecorder history;

    const std::string& row0() const { return shown0; }
    const std::string& row1() const { return shown1; }
    // Row 0 in calculator mode, row 1 in converter mode: what Share and Copy give.
    const std::string& visibleResult() const { return converterMode ? shown1 : shown0; }
    // A row's number as a spreadsheet reads it back: no grouping and no unit.
    const std::string& number0() const { return numberText0; }
    const std::string& number1() const { return numberText1; }

    bool isConverterMode() const { return converterMode; }
    void switchToConverterMode();
    void switchToCalculatorMode();

    const std::string& shortName0() const { return unit0.shortName; }
    const std::string& shortName1() const { return unit1.shortName; }
    const MetricsCalculations& chain0() const { return unit0.chain; }
    const MetricsCalculations& chain1() const { return unit1.chain; }
    // A new pair under the rows: their numbers stay, their units follow; no
    // conversion runs. Row 0's number is left first (see HistoryRecorder);
    // `names` is how history entries name the new pair.
    void setUnits(const UnitDefinition& unit0, const UnitDefinition& unit1, HistoryPair names = {});
    // As above, for two units of `catalogue`, whose other names a paste then
    // takes too.
    void setUnits(const UnitCatalogue& catalogue, UnitPosition unit0, UnitPosition unit1,
                  HistoryPair names = {});
    // As above, but row 0's number is not left: the pair on screen rebuilt by
    // new rates, or the pair that replaces a fallback once rates come. The
    // number is recorded once, under the pair it is left in.
    void refreshUnits(const UnitCatalogue& catalogue, UnitPosition unit0, UnitPosition unit1,
                      HistoryPair names);
    // Row 0 takes row 1's number and unit and the other way round, in
    // converter mode; no conversion runs and the next digit starts a number.
    void swapUnits();

    void press(KeypadKey key);
    // Presses each character's key (see keypadKey; "." is the separator key).
    void press(std::string_view keys);

    // A number from elsewhere into row 0, entered as typed digits would be
    // (see LegacyCalculator::enterNumber): a number alone or with a name of
    // unit0, and one with a name of unit1 (row 1's text) as the value of unit0
    // that gives that quantity, as a result. `names` reads the names as
    // ratio-cli does (symbols, long names, plurals) when the units came with
    // their positions; otherwise only the short names count. False, changing
    // nothing, for anything else, such as a name of another unit.
    bool paste(std::string_view text, const UnitResolver* names = nullptr);

    // A value from the history into row 0, as a result: every digit kept.
    void reuse(const BDouble& value);
    // Row 0's number is left (the app closes): a conversion still to record is.
    void leaveNumber();

  private:
    struct RowUnit {
        std::string shortName;
        MetricsCalculations chain{MetricsCalculation{}};
        std::optional<UnitPosition> position;
    };

    const MetricsCalculations& metricsCalculations0() const override { return unit0.chain; }
    const MetricsCalculations& metricsCalculations1() const override { return unit1.chain; }
    void setNumber0Text(const std::string& text) override;
    void setNumber1Text(const std::string& text) override;
    void showDivisionByZeroAlert() override;

    void placeUnits(const UnitDefinition& unit0, const UnitDefinition& unit1, HistoryPair names);
    void showRow0();
    void showRow1();
    std::optional<LocaleNumber> readNumber(std::string_view text) const;
    bool names(const RowUnit& unit, std::string_view name, const UnitResolver* names) const;
    // `text` as a number and a name of `unit` after it.
    std::optional<LocaleNumber> readQuantity(std::string_view text, const RowUnit& unit,
                                             const UnitResolver* names) const;

    bool converterMode = true;
    RowUnit unit0, unit1;
    HistoryPair pairNames;
    bool dividedByZero = false;
    std::string numberText0 = "0", numberText1 = "0";
    std::string shown0, shown1;
};

} // namespace ratio
