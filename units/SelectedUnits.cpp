#include "units/SelectedUnits.h"

#include <utility>

namespace ratio {

namespace {

std::string britishName(const UnitNameIndex& names, const UnitPosition& position) {
    return names.britishNames()[position.category][position.unit];
}

} // namespace

SelectedUnits& SelectedUnits::shared() {
    static SelectedUnits* selectedUnits = new SelectedUnits();
    return *selectedUnits;
}

void SelectedUnits::storeSelectedUnits(std::optional<std::string> name0,
                                       std::optional<std::string> shortName0,
                                       std::optional<std::string> name1, std::string shortName1,
                                       const UnitNameIndex& names, KeyValueStore& store,
                                       SelectedUnitsDisplay* display) {
    showSelectedUnits(std::move(name0), std::move(shortName0), std::move(name1),
                      std::move(shortName1), display);
    store.setText(storedUnit0.str, this->name0);
    store.setText(storedUnit1.str, this->name1);
    const auto pair = findStoredPair(names.activeNames(), this->name0, this->name1);
    store.setText(storedBritishName0.str, pair ? britishName(names, pair->unit0) : "");
    store.setText(storedBritishName1.str, pair ? britishName(names, pair->unit1) : "");
    storedPairAwaitsRates = false;
}

void SelectedUnits::showSelectedUnits(std::optional<std::string> name0,
                                      std::optional<std::string> shortName0,
                                      std::optional<std::string> name1, std::string shortName1,
                                      SelectedUnitsDisplay* display) {
    this->name0 = std::move(name0).value_or("");
    this->shortName0 = std::move(shortName0).value_or("");
    this->name1 = std::move(name1).value_or("");
    this->shortName1 = std::move(shortName1);
    if (display == nullptr)
        return;
    display->setUnit0LongNameLabel(this->name0);
    display->setUnit1LongNameLabel(this->name1);
    display->setConverterButtonTitle(converterButtonTitle(this->shortName1));
}

StoredPairNames SelectedUnits::storedPair(const KeyValueStore& store) const {
    const auto text = [&store](const StoreValueString& key) {
        return key.storedValue(store).value_or(std::string());
    };
    return {text(storedUnit0), text(storedUnit1), text(storedBritishName0),
            text(storedBritishName1)};
}

std::string SelectedUnits::converterButtonTitle(std::string_view shortName1) {
    std::string title = "\u2192 ";
    title.append(shortName1);
    return title;
}

} // namespace ratio
