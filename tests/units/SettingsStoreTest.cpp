#include "support/MemoryKeyValueStore.h"
#include "units/LastSelection.h"
#include "units/LaunchCounter.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace ratio {
namespace {

using testing::MemoryKeyValueStore;

const StoredValue absent;

// The first launch finds no count to add to, and the main screen then stores 1;
// a count at the top of the range stays there; another kind is replaced only
// by the main screen's set-up.
TEST(StoredValues, WhatTheLaunchCountAndTheLastSelectionMakeOfEach) {
    constexpr long long maximum = std::numeric_limits<long long>::max();
    struct Case {
        StoredValue stored, afterIncrement, afterEnsure;
    } cases[] = {
        {absent, absent, StoredValue::ofInteger(1)},
        {StoredValue::ofInteger(41), StoredValue::ofInteger(42), StoredValue::ofInteger(41)},
        {StoredValue::ofInteger(maximum), StoredValue::ofInteger(maximum),
         StoredValue::ofInteger(maximum)},
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
    // A last-selection index is only an integer in the int range; anything
    // else a settings file may hold reads as 0.
    constexpr long long intMin = std::numeric_limits<int>::min();
    constexpr long long intMax = std::numeric_limits<int>::max();
    // clang-format off
    const std::pair<StoredValue, int> indices[] = {
        {StoredValue::ofText("3"), 0}, {StoredValue::other(), 0},
        {StoredValue::ofInteger(7), 7}, // past a short list: the screen corrects it
        {StoredValue::ofInteger(intMax), static_cast<int>(intMax)},
        {StoredValue::ofInteger(intMax + 1), 0}, {StoredValue::ofInteger(intMin - 1), 0},
    };
    // clang-format on
    for (const auto& [stored, index] : indices) {
        MemoryKeyValueStore row, section;
        row.put(lastSelectedRowKey, stored);
        section.put(lastSelectedSectionKey, stored);
        EXPECT_EQ(LastSelection::read(row), (LastSelection{0, index})) << stored;
        EXPECT_EQ(LastSelection::read(section), (LastSelection{index, 0})) << stored;
    }
}

} // namespace
} // namespace ratio
