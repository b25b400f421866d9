#pragma once

#include "localization/LocalizedStrings.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ratio {

// British English: the complete table every other language starts from.
class EnglishBritishStrings : public LocalizedStrings {
  public:
    EnglishBritishStrings();

  protected:
    // The Chinese and Taiwanese names read "[" + China or Taiwan + "] " + rest.
    // A table calls this again after setting its own China and Taiwan words;
    // `translatedRests` replaces the British rest of the fields it names.
    using RegionalRest = std::pair<std::string LocalizedStrings::*, std::string>;
    void composeRegionalNames(const std::vector<RegionalRest>& translatedRests = {});

    // Every category but currency gets its count text and both prompts from
    // its name, for languages that say them all alike.
    using Composer = std::function<std::string(const std::string& category)>;
    void composeCategoryTexts(const Composer& more, const Composer& first, const Composer& second);
};

} // namespace ratio
