// The main screen's model: keys into both rows, the two modes, the swap, what
// Copy gives and Paste takes back; and the history tape, which keys make which
// entries and the text they are kept in.
#include "units/MainScreenModel.h"
#include "units/HistoryTape.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace ratio {
namespace {

MetricsCalculations chainOf(Operator op, const char* number) {
    return {MetricsCalculation{op, *BDouble::fromText(number)}};
}

UnitDefinition unit(const char* shortName, MetricsCalculations chain) {
    return UnitDefinition(shortName, shortName, true, -1, std::move(chain));
}

const UnitDefinition mile = unit("mile", chainOf(Operator::Multiplication, "1609.344"));
const UnitDefinition km = unit("km", chainOf(Operator::Multiplication, "1000"));
const UnitDefinition celsius = unit("°C", chainOf(Operator::Addition, "273.15"));
const UnitDefinition fahrenheit = unit("°F", {{Operator::Subtraction, 32},
                                              {Operator::Multiplication, 5},
                                              {Operator::Division, 9},
                                              {Operator::Addition, *BDouble::fromText("273.15")}});

class MainScreenModelTest : public ::testing::Test {
  protected:
    OperatorMode operatorMode;
    MainScreenModel screen{".", ",", operatorMode};
    int alerts = 0;

    MainScreenModelTest() {
        screen.setUnits(mile, km);
        screen.divisionByZero = [this] { ++alerts; };
    }
    std::string rows() const { return screen.row0() + " = " + screen.row1(); }
};

TEST_F(MainScreenModelTest, KeySequencesShowTheExpectedRow) {
    screen.switchToCalculatorMode();
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"C00", "0"}, {"1.50", "1.50"}, {"1.50=", "1.5"}, {"1/3=*3=", "1"}, {"2+3", "3"},
        {"2+3*", "5"}, {"2+3*4=", "20"}, {"5+.=", "0."}, {"1..5", "1.5"}, {"2+3=4", "4"},
        {"2-5=", "-3"}, {"2-5=.5", "0.5"}, {"1.20N", "-1.20"}, {"5/2=N", "-2.5"}, {"4N5", "-45"},
        {"0.000000001*1000000000=", "1"},
        {"999999999999999999999999999999+1=", "1,000,000,000,000,000,000,000,000,000,000"},
    };
    // clang-format on
    for (const auto& [keys, row0] : cases) {
        screen.press("C");
        screen.press(keys);
        EXPECT_EQ(screen.row0(), row0) << keys;
    }
}

// Mode switches are reported only when the mode changes; a division by zero
// alerts and shows the divisor.
TEST_F(MainScreenModelTest, ReportsModeSwitchesAndDivisionsByZero) {
    std::vector<std::pair<Mode, Mode>> switches;
    operatorMode.modeSwitchedSelector = [&](Mode from, Mode to) {
        switches.emplace_back(from, to);
    };
    screen.press("2+3*4=C");
    using enum Mode;
    EXPECT_EQ(
        switches,
        (std::vector<std::pair<Mode, Mode>>{
            {None, Addition}, {Addition, None}, {None, Multiplication}, {Multiplication, None}}));
    screen.press("C5/0=");
    EXPECT_EQ(alerts, 1);
    EXPECT_EQ(screen.row0(), "0 mile");
    screen.press("7/0.0+");
    EXPECT_EQ(alerts, 2);
}

// Row 0 carries its unit in converter mode only and row 1 follows every key
// (the window's key test goes through the keys); new units keep the numbers
// until a key converts, and Clear converts zero, which an offset (°C to °F)
// makes no zero.
TEST_F(MainScreenModelTest, RowsCarryTheirUnitsAndConvertOnEveryKey) {
    screen.press("2000N");
    screen.switchToCalculatorMode();
    screen.switchToCalculatorMode();
    EXPECT_EQ(rows(), "-2,000 = -3,218.688 km");
    screen.press("C5");
    EXPECT_EQ(rows(), "5 = 8.04672 km");
    screen.switchToConverterMode();
    screen.switchToConverterMode();
    EXPECT_EQ(rows(), "5 mile = 8.04672 km");
    screen.setUnits(celsius, fahrenheit);
    EXPECT_EQ(rows(), "5 °C = 8.04672 °F");
    screen.press("C");
    EXPECT_EQ(rows(), "0 °C = 32 °F");
    screen.press("100");
    EXPECT_EQ(rows(), "100 °C = 212 °F");
}

// The swap exchanges rows, units and chains without converting, in converter
// mode; the next digit is a new number converted the other way. Twice is back.
TEST_F(MainScreenModelTest, TheSwapExchangesRowsAndUnits) {
    // clang-format off
    const std::pair<const char*, const char*> cases[] = {
        {"5X", "8.04672 km = 5 mile"}, {"5X2", "2 km = 1.24274238 mile"},
        {"5+X2", "2 km = 1.24274238 mile"}, {"5X.5", "0.5 km = 0.3106856 mile"},
        {"5X+1=", "9.04672 km = 5.62137119 mile"}, {"5XX2", "2 mile = 3.218688 km"},
    };
    // clang-format on
    for (const auto& [keys, expected] : cases) {
        screen.setUnits(mile, km);
        screen.switchToCalculatorMode();
        screen.press("C");
        screen.press(keys);
        EXPECT_EQ(rows(), expected) << keys;
        EXPECT_TRUE(screen.isConverterMode());
        EXPECT_EQ(operatorMode.modeEnum(), Mode::None);
    }
}

// Whatever the screen shows as its result, pasted back after other keys,
// gives the rows shown again: row 1 with its unit comes back as the unit0
// value that gives that quantity.
TEST_F(MainScreenModelTest, CopyThenPasteGivesBothRowsBack) {
    const struct {
        const UnitDefinition &unit0, &unit1;
        const char* keys;
        bool converter;
    } cases[] = {
        {km, mile, "1", true},
        {mile, km, "7N", true},
        {fahrenheit, celsius, "212", true},
        {mile, km, "1/3=", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.unit0.shortName + " " + row.keys);
        screen.setUnits(row.unit0, row.unit1);
        row.converter ? screen.switchToConverterMode() : screen.switchToCalculatorMode();
        screen.press("C");
        screen.press(row.keys);
        const auto shown = [&] { return row.converter ? rows() : screen.row0(); };
        const std::string copied = screen.visibleResult(), before = shown();
        EXPECT_EQ(copied, row.converter ? screen.row1() : screen.row0());
        screen.press("9+");
        ASSERT_TRUE(screen.paste(copied));
        EXPECT_EQ(shown(), before);
    }
}

// A pasted number goes into row 0, in place of a number being typed: alone or
// after unit0 as typed, after unit1 converted back and finished; anything else
// changes nothing. The numbers alone enter as typing would (EnteredNumber).
TEST_F(MainScreenModelTest, PasteReadsEitherRowsUnit) {
    const struct {
        const char* text;
        const char* rows = nullptr; // nullptr: not a number of this pair
        const char* next = nullptr; // the rows after one more digit
    } cases[] = {
        // clang-format off
        {"2", "2 mile = 3.218688 km", "25 mile = 40.2336 km"},
        {"2.50 mile", "2.50 mile = 4.02336 km", "2.505 mile = 4.03140672 km"},
        {" 3,218.688km\n", "2,000 mile = 3,218.688 km", "5 mile = 8.04672 km"},
        {"1 km", "0.62137119 mile = 1 km", "5 mile = 8.04672 km"},
        {"km"}, {"3 m"}, {"3 kmh"}, {"3 mile km"}, {"mile 3"}, {"1,5 km"},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.text);
        screen.press("C7+1");
        const std::string before = rows();
        EXPECT_EQ(screen.paste(row.text), row.rows != nullptr);
        EXPECT_EQ(rows(), row.rows ? row.rows : before);
        if (!row.rows)
            continue;
        screen.press("5");
        EXPECT_EQ(rows(), row.next);
    }
}

const HistoryPair mileKm{"Mile (mile, mi)", "Kilometre (km)", {}};

// An entry in short: "12 × 3 = 36", or "3 Mile (mile, mi) = 4.828032 Kilometre (km)".
std::string shortly(const HistoryEntry& entry) {
    if (!entry.isConversion())
        return entry.calculation + " = " + entry.value;
    return entry.value + " " + entry.pair.unit0 + " = " + entry.result + " " + entry.pair.unit1;
}

TEST(HistoryRecording, EachFinishedCalculationAndEachLeftConversionOnce) {
    const std::string m = " Mile (mile, mi) = ", k = " Kilometre (km)";
    struct Case {
        // "P" pastes "7", "U" picks the pair again, "R" has rates rebuild it,
        // "L" leaves the app
        const char* keys;
        bool calculatorMode;
        std::vector<std::string> entries;
    };
    // clang-format off
    const Case cases[] = {
        {"1+2*3=", true, {"1 + 2 × 3 = 9"}},
        {"2+*3=", true, {"2 × 3 = 6"}},               // a changed operator
        {"1.50+1=", true, {"1.50 + 1 = 2.5"}},
        {"1/3=", true, {"1 ÷ 3 = 1/3"}},              // every digit, as a fraction
        {"5/0=", true, {}},                           // a division by zero
        {"5=", true, {}}, {"5+=", true, {}},          // nothing to work out
        {"3C", true, {}},                             // a calculator leaves no conversion
        {"3", false, {}},                             // still on the screen
        {"3X", false, {"3" + m + "4.828032" + k}},
        {"3XX", false, {"3" + m + "4.828032" + k}},   // the swapped number was not entered
        {"3U", false, {"3" + m + "4.828032" + k}},
        {"3L", false, {"3" + m + "4.828032" + k}},
        {"31CC", false, {"31" + m + "49.889664" + k}},   // once per number, not per key
        {"0C", false, {}},
        {"P1C", false, {"71" + m + "114.263424" + k}},   // a paste is typed digits
        {"2*P=", true, {"2 × 7 = 14"}},
        {"3R", false, {}},                            // the number stays on the screen
        {"3RC", false, {"3" + m + "4.828032" + k}},
        {"2*3=C", false, {"2 × 3 = 6", "6" + m + "9.656064" + k}},
    };
    // clang-format on
    const UnitCatalogue catalogue{{"length", "", "", "", {mile, km}, {}}};
    for (const Case& row : cases) {
        OperatorMode operatorMode;
        MainScreenModel screen(".", ",", operatorMode);
        screen.setUnits(mile, km, mileKm);
        if (row.calculatorMode)
            screen.switchToCalculatorMode();
        std::vector<std::string> entries;
        screen.history.recorded = [&](const HistoryEntry& entry) {
            EXPECT_FALSE(entry.time.empty());
            entries.push_back(shortly(entry));
        };
        for (const char* key = row.keys; *key; ++key) {
            if (*key == 'P')
                screen.paste("7");
            else if (*key == 'U')
                screen.setUnits(mile, km, mileKm);
            else if (*key == 'R')
                screen.refreshUnits(catalogue, {0, 0}, {0, 1}, mileKm);
            else if (*key == 'L')
                screen.leaveNumber();
            else
                screen.press(std::string_view(key, 1));
        }
        EXPECT_EQ(entries, row.entries) << row.keys;
    }
}

TEST(HistoryTapeText, ReadsBackWhatItWritesRefusesTheRestAndKeepsTheNewest) {
    const HistoryEntries entries = {
        {"2026-12-05T14:03:09+01:00", "12 × 3", "36", "", {}},
        {"2026-12-05T14:04:00+01:00", "", "-1/3", "-0.3", {"Euro (€, EUR)", "Yen", "2026-12-04"}},
    };
    const std::string text = HistoryTape::write(entries);
    EXPECT_EQ(HistoryTape::read(text), entries);
    EXPECT_EQ(HistoryTape::read("ratio-history 1"), HistoryEntries{});
    const std::string damaged[] = {
        "",
        "ratio-history 10",                         // a later version, however short
        text.substr(0, text.size() - 1),            // cut short
        "ratio-history 1\nt\t\t36\t\t\t\n",         // too few fields
        "ratio-history 1\nt\t1 + 2\t3x\t\t\t\t\n",  // not a number
        "ratio-history 1\nt\t1 + 2\t1/0\t\t\t\t\n", // no such fraction
        "ratio-history 1\nt\t\t3\t4\t\tkm\t\n",     // a unit missing
        "ratio-history 1\n\t1 + 2\t3\t\t\t\t\n",    // no time
    };
    for (const std::string& bad : damaged)
        EXPECT_FALSE(HistoryTape::read(bad)) << bad;
    // A field that would break its line is not written.
    EXPECT_EQ(HistoryTape::read(HistoryTape::write({{"t", "1\t2", "3", "", {}}})),
              HistoryEntries{});
    // Appending keeps the newest thousand.
    HistoryEntries many;
    for (int i = 0; i < 1002; ++i)
        HistoryTape::append(many, {{"t", "1 + " + std::to_string(i), "1", "", {}}});
    ASSERT_EQ(many.size(), HistoryTape::maximumEntries);
    EXPECT_EQ(many.front().calculation, "1 + 2");
}

} // namespace
} // namespace ratio
