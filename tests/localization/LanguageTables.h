// Shared by the localization tests: every language with its table class, and
// lookup of a text field by its name.
#pragma once

#include "localization/Localization.h"
#include "localization/LocalizedStrings.h"
#include "localization/tables/ArabicStrings.h"
#include "localization/tables/CatalanStrings.h"
#include "localization/tables/ChineseSimplifiedStrings.h"
#include "localization/tables/ChineseTraditionalStrings.h"
#include "localization/tables/CroatianStrings.h"
#include "localization/tables/CzechStrings.h"
#include "localization/tables/DanishStrings.h"
#include "localization/tables/DutchStrings.h"
#include "localization/tables/EnglishUSAStrings.h"
#include "localization/tables/FinnishStrings.h"
#include "localization/tables/FrenchStrings.h"
#include "localization/tables/GermanStrings.h"
#include "localization/tables/GreekStrings.h"
#include "localization/tables/HebrewStrings.h"
#include "localization/tables/HindiStrings.h"
#include "localization/tables/HungarianStrings.h"
#include "localization/tables/IndonesianStrings.h"
#include "localization/tables/ItalianStrings.h"
#include "localization/tables/JapaneseStrings.h"
#include "localization/tables/KoreanStrings.h"
#include "localization/tables/MalayStrings.h"
#include "localization/tables/NorwegianStrings.h"
#include "localization/tables/PolishStrings.h"
#include "localization/tables/PortugueseBrazilStrings.h"
#include "localization/tables/PortuguesePortugalStrings.h"
#include "localization/tables/RomanianStrings.h"
#include "localization/tables/RussianStrings.h"
#include "localization/tables/SlovacStrings.h"
#include "localization/tables/SpanishStrings.h"
#include "localization/tables/SwedishStrings.h"
#include "localization/tables/ThaiStrings.h"
#include "localization/tables/TurkishStrings.h"
#include "localization/tables/UkrainianStrings.h"
#include "localization/tables/VietnameseStrings.h"

#include <array>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>

namespace ratio::testing {

struct LanguageRow {
    Language language;
    const char* name;
    std::type_index tableClass;
};

// In raw-value order: row i is the language whose raw value is i.
inline const std::array<LanguageRow, 35> allLanguages{{
    {Language::German, "German", typeid(GermanStrings)},
    {Language::EnglishUSA, "EnglishUSA", typeid(EnglishUSAStrings)},
    {Language::EnglishBritish, "EnglishBritish", typeid(EnglishBritishStrings)},
    {Language::French, "French", typeid(FrenchStrings)},
    {Language::Spanish, "Spanish", typeid(SpanishStrings)},
    {Language::PortugueseBrazil, "PortugueseBrazil", typeid(PortugueseBrazilStrings)},
    {Language::PortuguesePortugal, "PortuguesePortugal", typeid(PortuguesePortugalStrings)},
    {Language::Italian, "Italian", typeid(ItalianStrings)},
    {Language::Catalan, "Catalan", typeid(CatalanStrings)},
    {Language::Polish, "Polish", typeid(PolishStrings)},
    {Language::Danish, "Danish", typeid(DanishStrings)},
    {Language::Dutch, "Dutch", typeid(DutchStrings)},
    {Language::Swedish, "Swedish", typeid(SwedishStrings)},
    {Language::Finnish, "Finnish", typeid(FinnishStrings)},
    {Language::Norwegian, "Norwegian", typeid(NorwegianStrings)},
    {Language::Romanian, "Romanian", typeid(RomanianStrings)},
    {Language::Slovac, "Slovac", typeid(SlovacStrings)},
    {Language::Czech, "Czech", typeid(CzechStrings)},
    {Language::Turkish, "Turkish", typeid(TurkishStrings)},
    {Language::Indonesian, "Indonesian", typeid(IndonesianStrings)},
    {Language::Croatian, "Croatian", typeid(CroatianStrings)},
    {Language::Hungarian, "Hungarian", typeid(HungarianStrings)},
    {Language::Malay, "Malay", typeid(MalayStrings)},
    {Language::Vietnamese, "Vietnamese", typeid(VietnameseStrings)},
    {Language::Greek, "Greek", typeid(GreekStrings)},
    {Language::Russian, "Russian", typeid(RussianStrings)},
    {Language::Ukrainian, "Ukrainian", typeid(UkrainianStrings)},
    {Language::Japanese, "Japanese", typeid(JapaneseStrings)},
    {Language::ChineseTraditional, "ChineseTraditional", typeid(ChineseTraditionalStrings)},
    {Language::ChineseSimplified, "ChineseSimplified", typeid(ChineseSimplifiedStrings)},
    {Language::Hindi, "Hindi", typeid(HindiStrings)},
    {Language::Korean, "Korean", typeid(KoreanStrings)},
    {Language::Thai, "Thai", typeid(ThaiStrings)},
    {Language::Arabic, "Arabic", typeid(ArabicStrings)},
    {Language::Hebrew, "Hebrew", typeid(HebrewStrings)},
}};

// The member of the text field with that name, or null when there is none.
inline std::string LocalizedStrings::*textFieldNamed(std::string_view name) {
    for (const auto& field : LocalizedStrings::textFields())
        if (name == field.name)
            return field.member;
    return nullptr;
}

// How often `needle` occurs in `text`, counting non-overlapping matches.
inline int occurrences(std::string_view text, std::string_view needle) {
    int count = 0;
    for (std::size_t at = text.find(needle); at != std::string_view::npos;
         at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

} // namespace ratio::testing
