#include "units/SelectedUnits.h"

#include <utility>

namespace ratio {

SelectedUnits& SelectedUnits::shared() {
    static SelectedUnits* selectedUnits = new SelectedUnits();
    return *selectedUnits;
}

void SelectedUnits::storeSelectedUnits(std::optional<std::string> name0,
                                       std::optional<std::string> shortName0,
                                       std::optional<std::string> name1, std::string shortName1,
                                       KeyValueStore& store, SelectedUnitsDisplay* display) {
    this->name0 = std::move(name0).value_or("");
    this->shortName0 = std::move(shortName0).value_or("");
    this->name1 = std::move(name1).value_or("");
    this->shortName1 = std::move(shortName1);

    store.setText(storedUnit0.str, this->name0);
    store.setText(storedUnit1.str, this->name1);

    if (display == nullptr)
        return;
    display->setUnit0LongNameLabel(this->name0);
    display->setUnit1LongNameLabel(this->name1);
    display->setConverterButtonTitle(converterButtonTitle(this->shortName1));
}

std::string SelectedUnits::converterButtonTitle(std::string_view shortName1) {
    std::string title = "\u2192 ";
    title.append(shortName1);
    return title;
}

} // namespace ratio
