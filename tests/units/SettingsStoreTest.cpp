#include "support/MemoryKeyValueStore.h"
#include "units/LastSelection.h"
#include "units/LaunchCounter.h"
#include "units/SelectedUnits.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace ratio {
namespace {

using testing::MemoryKeyValueStore;

struct RecordingDisplay : SelectedUnitsDisplay {
    std::optional<std::string> unit0Label, unit1Label, buttonTitle;
    void setUnit0LongNameLabel(const std::string& text) override { unit0Label = text; }
    void setUnit1LongNameLabel(const std::string& text) override { unit1Label = text; }
    void setConverterButtonTitle(const std::string& title) override { buttonTitle = title; }
};

const StoredValue absent;

// The first launch finds no count to add to, and the main screen then stores 1;
// a count at the top of the range stays there; another kind is replaced only
// by the main screen's set-up.
TEST(LaunchCountTest, WhatEachOperationDoesWithAStoredValue) {
    constexpr long long maximum = std::numeric_limits<long long>::max();
    struct Case {
        StoredValue stored, afterIncrement, afterEnsure;
    } cases[] = {
        {absent, absent, StoredValue::ofInteger(1)},
        {StoredValue::ofInteger(41), StoredValue::ofInteger(42), StoredValue::ofInteger(41)},
        {StoredValue::ofInteger(maximum), StoredValue::ofInteger(maximum),
         StoredValue::ofInteger(maximum)},
        {StoredValue::ofText("5"), StoredValue::ofText("5"), StoredValue::ofInteger(1)},
        {StoredValue::other(), StoredValue::other(), StoredValue::ofInteger(1)},
    };
    for (const auto& c : cases) {
        MemoryKeyValueStore incremented, ensured;
        incremented.put(launchCountKey, c.stored);
        ensured.put(launchCountKey, c.stored);
        incrementLaunchCount(incremented);
        ensureLaunchCount(ensured);
        EXPECT_EQ(incremented.value(launchCountKey), c.afterIncrement) << c.stored;
        EXPECT_EQ(ensured.value(launchCountKey), c.afterEnsure) << c.stored;
    }
}

TEST(SelectedUnitsTest, StoresFieldsNamesAndShowsThem) {
    SelectedUnits units;
    MemoryKeyValueStore store;
    RecordingDisplay display;
    units.storeSelectedUnits("Mile (mi)", "mi", "Kilometre (km)", "km", store, &display);
    EXPECT_EQ(units.name0 + "|" + units.shortName0 + "|" + units.name1 + "|" + units.shortName1,
              "Mile (mi)|mi|Kilometre (km)|km");
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText("Mile (mi)"));
    EXPECT_EQ(store.value("unit1"), StoredValue::ofText("Kilometre (km)"));
    EXPECT_EQ(display.unit0Label, "Mile (mi)");
    EXPECT_EQ(display.unit1Label, "Kilometre (km)");
    EXPECT_EQ(display.buttonTitle, "\u2192 km"); // unit0's short name has no place here

    // Absent names store and show as empty texts.
    units.storeSelectedUnits(std::nullopt, std::nullopt, std::nullopt, "", store, &display);
    EXPECT_EQ(units.name0 + units.shortName0 + units.name1, "");
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText(""));
    EXPECT_EQ(store.value("unit1"), StoredValue::ofText(""));
    EXPECT_EQ(display.unit0Label.value_or("?") + display.unit1Label.value_or("?"), "");
    EXPECT_EQ(display.buttonTitle, "\u2192 ");

    // Without a main screen the names are still kept and stored.
    units.storeSelectedUnits("Litre (l)", "l", std::nullopt, "gal", store, nullptr);
    EXPECT_EQ(units.shortName1, "gal");
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText("Litre (l)"));
}

// What a stored unit name and a last-selection index make of each kind of
// value a settings file may hold: only a text is a name, only an integer in
// the int range is an index, anything else reads as none or 0.
TEST(StoredReadsTest, EachKindOfValue) {
    constexpr long long intMin = std::numeric_limits<int>::min();
    constexpr long long intMax = std::numeric_limits<int>::max();
    const struct Case {
        StoredValue stored;
        std::optional<std::string> name;
        int index;
    } cases[] = {
        {StoredValue::ofText(""), "", 0},
        {StoredValue::ofText("3"), "3", 0},
        {absent, std::nullopt, 0},
        {StoredValue::other(), std::nullopt, 0},
        {StoredValue::ofInteger(7), std::nullopt, 7}, // past a short list: the screen corrects it
        {StoredValue::ofInteger(intMin), std::nullopt, static_cast<int>(intMin)},
        {StoredValue::ofInteger(intMax), std::nullopt, static_cast<int>(intMax)},
        {StoredValue::ofInteger(intMax + 1), std::nullopt, 0},
        {StoredValue::ofInteger(intMin - 1), std::nullopt, 0},
    };
    for (const auto& c : cases) {
        MemoryKeyValueStore name, row, section;
        name.put("unit1", c.stored);
        row.put(lastSelectedRowKey, c.stored);
        section.put(lastSelectedSectionKey, c.stored);
        EXPECT_EQ(StoredUnit1().storedValue(name), c.name) << c.stored;
        EXPECT_EQ(StoredUnit0().storedValue(name), std::nullopt); // another key
        EXPECT_EQ(LastSelection::read(row), (LastSelection{0, c.index})) << c.stored;
        EXPECT_EQ(LastSelection::read(section), (LastSelection{c.index, 0})) << c.stored;
    }
}

TEST(LastSelectionTest, WritesBothUnderTheirKeys) {
    MemoryKeyValueStore store;
    LastSelection{12, 4}.write(store);
    EXPECT_EQ(store.value("lastSelectedSection"), StoredValue::ofInteger(12));
    EXPECT_EQ(store.value("lastSelectedRow"), StoredValue::ofInteger(4));
}

} // namespace
} // namespace ratio
