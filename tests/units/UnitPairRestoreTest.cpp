// What the store keeps: the selected pair, found again after a change of
// language and kept while the rates of its currencies have not arrived; the
// added units; the launch count and the last selection.
#include "support/MemoryKeyValueStore.h"
#include "units/AddedUnits.h"
#include "units/CurrencyRates.h"
#include "units/LastSelection.h"
#include "units/LaunchCounter.h"
#include "units/SelectedUnits.h"
#include "units/UnitCatalogueBuilder.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <utility>

namespace ratio {
namespace {

using testing::MemoryKeyValueStore;

const RateTexts ratesWithDollar{{"USD", "1.0854"}, {"JPY", "160.25"}, {"CHF", "0.9412"}};
const RateTexts ratesWithoutDollar{{"GBP", "0.8431"}};

constexpr std::size_t currency = 0, length = 1, pressure = 7;

// One run of the application in a language: its catalogue, with currencies
// when a rate document has arrived.
struct LanguageRun {
    explicit LanguageRun(Language language, const RateTexts* rates = &ratesWithDollar)
        : language(language), strings(Localization::makeStrings(language)) {
        buildUnitCatalogue(catalogue, *strings, language, Localization::sharedBritishStrings());
        if (rates) {
            EXPECT_TRUE(applyCurrencyRates(catalogue, *strings, *rates, "EUR", "04/12/2026"));
        }
    }

    UnitNameIndex names() const {
        return UnitNameIndex(catalogue, *strings, language, Localization::sharedBritishStrings());
    }

    // Where the unit named by `field` stands in a category of this run.
    UnitPosition at(std::size_t category, std::string LocalizedStrings::*field) const {
        const std::string& text = strings.get()->*field;
        const auto& units = catalogue[category].unitDefinitions;
        for (std::size_t u = 0; u < units.size(); ++u)
            if (units[u].longName == text || units[u].longName.starts_with(text + " "))
                return {category, u};
        ADD_FAILURE() << "no unit " << text;
        return {};
    }
    const UnitDefinition& unit(UnitPosition position) const {
        return catalogue[position.category].unitDefinitions[position.unit];
    }

    Language language;
    std::unique_ptr<LocalizedStrings> strings;
    UnitCatalogue catalogue;
};

// A pair stored in one language comes back in another, also where the two
// catalogues hold different units (Traditional Chinese has no mmHg before psi)
// and where a name is both a length and an area (the fēn). Settings from before
// the British names were kept hold only the names of the language that stored
// them: the pair is found by those too.
TEST(StoredPairAcrossLanguages, FindsTheSameUnits) {
    using S = LocalizedStrings;
    using enum Localization::Language;
    const struct {
        Language from, to;
        std::size_t category;
        std::string S::*unit0;
        std::string S::*unit1;
    } cases[] = {
        {German, EnglishBritish, length, &S::Foot, &S::Meter},
        {EnglishBritish, German, currency, &S::Euro, &S::United_States_dollar},
        {German, EnglishBritish, length, &S::fēn_length, &S::Mile},
        {EnglishBritish, ChineseTraditional, pressure, &S::Pounds_per_square_inch, &S::Pascal},
    };
    for (const auto& row : cases) {
        const LanguageRun from(row.from), to(row.to);
        const UnitPosition unit0 = from.at(row.category, row.unit0);
        const UnitPosition unit1 = from.at(row.category, row.unit1);
        SCOPED_TRACE(from.unit(unit0).longName);
        MemoryKeyValueStore store;
        SelectedUnits().storeSelectedUnits(from.unit(unit0).longName, from.unit(unit0).shortName,
                                           from.unit(unit1).longName, from.unit(unit1).shortName,
                                           from.names(), store, nullptr); // as the main screen does
        const UnitPair expected{to.at(row.category, row.unit0), to.at(row.category, row.unit1)};
        EXPECT_EQ(lookUpStoredPair(to.names(), SelectedUnits().storedPair(store)).pair, expected);
        // The two keys keep the names of the language they were stored in.
        const StoredPairNames older{store.value("unit0").text().value_or(""),
                                    store.value("unit1").text().value_or(""), "", ""};
        EXPECT_EQ(lookUpStoredPair(to.names(), older).pair, expected);
    }
}

// A stored pair of currencies waits for their rates instead of giving way to
// the fallback (the window's start-up test waits and finds it), also by the
// British names, until rates arrive without one of them; anything else that is
// not found does not wait. A currency of fixed rate needs no rates.
TEST(StoredPairBeforeRates, WaitsOnlyForCurrenciesRatesMayBring) {
    const std::string euro = "Euro (\u20ac, EUR)", dollar = "United States dollar ($, USD)";
    const std::string mile = "Mile (mile, mi)", kuna = "Croatian kuna (HRK, kn)";
    const struct {
        const char* what;
        const RateTexts* rates;
        StoredPairNames stored;
        bool found, awaitsRates;
        std::string missingRate = "";
    } cases[] = {
        // clang-format off
        {"stored in German", nullptr, {"US-Dollar ($, USD)", euro, dollar, euro}, false, true},
        {"rates without one of them", &ratesWithoutDollar, {euro, dollar, euro, dollar}, false,
         false, dollar + ": 1 € = ? $"},
        {"the kuna before any rates", nullptr, {kuna, euro, kuna, euro}, true, false},
        {"a currency and a length", nullptr, {euro, mile, euro, mile}, false, false},
        {"a former name", nullptr, {"Gigibyte (GiB)", "Byte (B)", "", ""}, true, false},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const LanguageRun run(Language::EnglishBritish, row.rates);
        const StoredPairLookup found = lookUpStoredPair(run.names(), row.stored, row.rates);
        EXPECT_EQ(found.pair.has_value(), row.found);
        EXPECT_EQ(found.awaitsRates, row.awaitsRates);
        EXPECT_EQ(found.missingRate, row.missingRate);
    }
}

// Units added to the short lists come back after a restart in another
// language; a currency today's rates lack is skipped but stays kept.
TEST(BritishNamesAcrossRestarts, BringBackAddedUnitsAndFollowTheStoredPair) {
    MemoryKeyValueStore store;
    {
        const LanguageRun british(Language::EnglishBritish);
        UnitCatalogue catalogue = british.catalogue;
        for (const UnitPosition unit : {british.at(length, &LocalizedStrings::Nautical_mile),
                                        british.at(currency, &LocalizedStrings::Japanese_yen)}) {
            ASSERT_FALSE(british.unit(unit).added);
            AddedUnits::add(catalogue, unit, british.names(), store);
            AddedUnits::add(catalogue, unit, british.names(), store); // kept once
            EXPECT_TRUE(catalogue[unit.category].unitDefinitions[unit.unit].added);
        }
    }
    const std::string kept = "Nautical mile (M, NM)\nJapanese yen (¥, JPY, 円)";
    EXPECT_EQ(AddedUnits::stored.storedValue(store), kept);
    LanguageRun german(Language::German, &ratesWithoutDollar);
    AddedUnits::restore(german.catalogue, german.names(), store);
    EXPECT_TRUE(german.unit(german.at(length, &LocalizedStrings::Nautical_mile)).added);
    AddedUnits::add(german.catalogue, german.at(pressure, &LocalizedStrings::Bar), german.names(),
                    store);
    EXPECT_EQ(AddedUnits::stored.storedValue(store), kept + "\nBar (bar)");
    // The British names always belong to the stored pair: a pair the catalogue
    // does not know clears them rather than leave old ones.
    SelectedUnits selected;
    selected.storeSelectedUnits("Meter (m)", "m", "Fuß (ft)", "ft", german.names(), store, nullptr);
    EXPECT_EQ(store.value("unit1BritishName").text(), "Foot (ft)");
    selected.storeSelectedUnits("Meter (m)", "m", "Elle", "", german.names(), store, nullptr);
    EXPECT_EQ(store.value("unit0BritishName").text(), "");
    EXPECT_EQ(store.value("unit1BritishName").text(), "");
}

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
