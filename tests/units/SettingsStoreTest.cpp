#include "units/LastSelection.h"
#include "units/LaunchCounter.h"
#include "units/MemoryKeyValueStore.h"
#include "units/SelectedUnits.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace ratio {
namespace {

struct RecordingDisplay : SelectedUnitsDisplay {
    std::optional<std::string> unit0Label, unit1Label, buttonTitle;
    void setUnit0LongNameLabel(const std::string& text) override { unit0Label = text; }
    void setUnit1LongNameLabel(const std::string& text) override { unit1Label = text; }
    void setConverterButtonTitle(const std::string& title) override { buttonTitle = title; }
};

// Remembers the order of writes, to check what callers rely on.
struct RecordingStore : MemoryKeyValueStore {
    std::vector<std::string> writtenKeys;
    void setText(const std::string& key, const std::string& text) override {
        writtenKeys.push_back(key);
        MemoryKeyValueStore::setText(key, text);
    }
    void setInteger(const std::string& key, long long value) override {
        writtenKeys.push_back(key);
        MemoryKeyValueStore::setInteger(key, value);
    }
};

const StoredValue absent;

TEST(LaunchCountTest, FreshInstallationCountsOneThenTwo) {
    MemoryKeyValueStore store;
    incrementLaunchCount(store); // first launch: nothing to add to
    EXPECT_TRUE(store.value(launchCountKey).isAbsent());
    ensureLaunchCount(store); // main screen set-up
    EXPECT_EQ(store.value(launchCountKey), StoredValue::ofInteger(1));
    incrementLaunchCount(store); // second launch, before the main screen
    EXPECT_EQ(store.value(launchCountKey), StoredValue::ofInteger(2));
    ensureLaunchCount(store);
    EXPECT_EQ(store.value(launchCountKey), StoredValue::ofInteger(2));
}

TEST(LaunchCountTest, WhatEachOperationDoesWithAStoredValue) {
    constexpr long long maximum = std::numeric_limits<long long>::max();
    struct Case {
        StoredValue stored, afterIncrement, afterEnsure;
    } cases[] = {
        {absent, absent, StoredValue::ofInteger(1)},
        {StoredValue::ofInteger(0), StoredValue::ofInteger(1), StoredValue::ofInteger(0)},
        {StoredValue::ofInteger(41), StoredValue::ofInteger(42), StoredValue::ofInteger(41)},
        {StoredValue::ofInteger(-3), StoredValue::ofInteger(-2), StoredValue::ofInteger(-3)},
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
        EXPECT_EQ(incremented.value(launchCountKey), c.afterIncrement);
        EXPECT_EQ(ensured.value(launchCountKey), c.afterEnsure);
    }
}

TEST(SelectedUnitsTest, StoresFieldsNamesAndShowsThem) {
    SelectedUnits units;
    RecordingStore store;
    RecordingDisplay display;
    units.storeSelectedUnits("Mile (mi)", "mi", "Kilometre (km)", "km", store, &display);

    EXPECT_EQ(units.name0, "Mile (mi)");
    EXPECT_EQ(units.shortName0, "mi");
    EXPECT_EQ(units.name1, "Kilometre (km)");
    EXPECT_EQ(units.shortName1, "km");
    EXPECT_EQ(store.writtenKeys, (std::vector<std::string>{"unit0", "unit1"}));
    EXPECT_EQ(units.storedUnit0.storedValue(store), "Mile (mi)");
    EXPECT_EQ(units.storedUnit1.storedValue(store), "Kilometre (km)");
    EXPECT_EQ(display.unit0Label, "Mile (mi)");
    EXPECT_EQ(display.unit1Label, "Kilometre (km)");
    EXPECT_EQ(display.buttonTitle, "\u2192 km"); // unit0's short name has no place here
}

TEST(SelectedUnitsTest, AbsentNamesBecomeEmptyAndClearTheLabels) {
    SelectedUnits units;
    MemoryKeyValueStore store;
    RecordingDisplay display;
    units.storeSelectedUnits("Mile (mi)", "mi", "Kilometre (km)", "km", store, &display);
    units.storeSelectedUnits(std::nullopt, std::nullopt, std::nullopt, "", store, &display);

    EXPECT_EQ(units.name0, "");
    EXPECT_EQ(units.shortName0, "");
    EXPECT_EQ(units.name1, "");
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText(""));
    EXPECT_EQ(store.value("unit1"), StoredValue::ofText(""));
    EXPECT_EQ(display.unit0Label, "");
    EXPECT_EQ(display.unit1Label, "");
    EXPECT_EQ(display.buttonTitle, "\u2192 ");
}

TEST(SelectedUnitsTest, WithoutAMainScreenStillStores) {
    SelectedUnits units;
    MemoryKeyValueStore store;
    units.storeSelectedUnits("Litre (l)", "l", std::nullopt, "gal", store, nullptr);
    EXPECT_EQ(units.name0, "Litre (l)");
    EXPECT_EQ(units.shortName1, "gal");
    EXPECT_EQ(store.value("unit0"), StoredValue::ofText("Litre (l)"));
    EXPECT_EQ(store.value("unit1"), StoredValue::ofText(""));
}

TEST(StoredNameTest, OnlyATextIsAName) {
    const struct Case {
        StoredValue stored;
        std::optional<std::string> expected;
    } cases[] = {
        {StoredValue::ofText("Foot (ft)"), "Foot (ft)"},
        {StoredValue::ofText(""), ""},
        {absent, std::nullopt},
        {StoredValue::ofInteger(3), std::nullopt},
        {StoredValue::other(), std::nullopt},
    };
    for (const auto& c : cases) {
        MemoryKeyValueStore store;
        store.put("unit1", c.stored);
        EXPECT_EQ(StoredUnit1().storedValue(store), c.expected);
        EXPECT_EQ(StoredUnit0().storedValue(store), std::nullopt); // another key
    }
}

TEST(LastSelectionTest, ReadsIntegersAndZeroForAnythingElse) {
    const struct Case {
        StoredValue stored;
        int expected;
    } cases[] = {
        {StoredValue::ofInteger(7), 7}, // past a short compact list: the screen's to correct
        {StoredValue::ofInteger(-1), -1},
        {absent, 0},
        {StoredValue::ofText("3"), 0},
        {StoredValue::other(), 0},
        {StoredValue::ofInteger(std::numeric_limits<long long>::max()), 0},
        {StoredValue::ofInteger(std::numeric_limits<int>::min() - 1LL), 0},
    };
    for (const auto& c : cases) {
        MemoryKeyValueStore rowOnly, sectionOnly;
        rowOnly.put(lastSelectedRowKey, c.stored);
        sectionOnly.put(lastSelectedSectionKey, c.stored);
        EXPECT_EQ(LastSelection::read(rowOnly), (LastSelection{0, c.expected}));
        EXPECT_EQ(LastSelection::read(sectionOnly), (LastSelection{c.expected, 0}));
    }
}

TEST(LastSelectionTest, WritesSectionThenRowAndReadsThemBack) {
    RecordingStore store;
    LastSelection{12, 4}.write(store);
    EXPECT_EQ(store.writtenKeys,
              (std::vector<std::string>{"lastSelectedSection", "lastSelectedRow"}));
    EXPECT_EQ(LastSelection::read(store), (LastSelection{12, 4}));
}

} // namespace
} // namespace ratio
