#pragma once

#include "engine/BDouble.h"
#include "engine/ConversionChain.h"
#include "localization/EnglishBritishStrings.h"
#include "localization/Localization.h"
#include "units/UnitCatalogue.h"
#include "units/UnitCatalogueBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace ratio::catalogue_test {

// A table whose every text is a tag unique to its field ("<f7>" for the
// eighth), so a unit's name shows which field it was taken from. The tags
// contain no English word, so joining with the British name always shows.
inline LocalizedStrings taggedStrings() {
    LocalizedStrings strings;
    int position = 0;
    for (const LocalizedStrings::TextField& field : LocalizedStrings::textFields())
        strings.*field.member = "<f" + std::to_string(position++) + ">";
    strings.hp_M = {"<hp0>", "<hp1>"};
    return strings;
}

inline std::string fieldText(const LocalizedStrings& strings, std::string_view name) {
    for (const LocalizedStrings::TextField& field : LocalizedStrings::textFields())
        if (name == field.name)
            return strings.*field.member;
    ADD_FAILURE() << "no text field " << name;
    return {};
}

inline UnitCatalogue builtCatalogue(const LocalizedStrings& strings, Language language) {
    static const EnglishBritishStrings british;
    UnitCatalogue catalogue;
    buildUnitCatalogue(catalogue, strings, language, british);
    return catalogue;
}

// The row's text: 8 places, rounded, trailing zeros and a bare point dropped.
inline std::string shownText(const BDouble& value) {
    std::string text = value.decimalExpansion(8);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace ratio::catalogue_test
