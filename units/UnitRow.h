#pragma once

#include "engine/Operator.h"
#include "localization/LocalizedStrings.h"

#include <string>
#include <string_view>
#include <vector>

namespace ratio {

// One unit of the built-in catalogue as data: where its names come from, the
// decimal texts of its chain and when it starts in the compact list. The texts
// are looked up and the numbers parsed only when the catalogue is built, so
// the rows hold no language and no BDouble.
struct UnitRow {
    using Field = std::string LocalizedStrings::*;

    struct Name {
        enum class Kind {
            Quoted,           // the same text in every language
            Field,            // the field's text in the active language
            FieldWithEnglish, // the active text joined with the British one
            FirstHorsepower,  // element 0 of the active hp_M list
        };

        constexpr Name(const char* quoted) : text(quoted) {} // NOLINT: rows read like the table
        constexpr Name(Field field) : kind(Kind::Field), field(field) {} // NOLINT: as above
        constexpr Name(Kind kind, Field field) : kind(kind), field(field) {}

        Kind kind = Kind::Quoted;
        std::string_view text;
        Field field = nullptr;
    };

    // One step; with a divisor, the number is the exact quotient number ÷ divisor.
    struct Step {
        Operator op = Operator::Multiplication;
        std::string_view number;
        std::string_view divisor;
    };

    enum class InCompactList { No, Yes, InSimplifiedChinese, InTraditionalChinese };
    enum class Creation { Always, ExceptTraditionalChinese };

    Name longName;
    Name shortName;
    std::vector<Step> chain;
    InCompactList added = InCompactList::No;
    Creation creation = Creation::Always;
};

} // namespace ratio
