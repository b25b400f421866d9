// The history tape: which keys make which entries, and the text they are kept in.
#include "units/HistoryTape.h"
#include "units/MainScreenModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ratio {
namespace {

UnitDefinition unit(const char* shortName, const char* factor) {
    return UnitDefinition(
        shortName, shortName, true, -1,
        {MetricsCalculation{Operator::Multiplication, *BDouble::fromText(factor)}});
}

const UnitDefinition mile = unit("mile", "1609.344");
const UnitDefinition km = unit("km", "1000");
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
