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

    // One step. Its number is the product of the decimal texts in `number`
    // (joined by " × "), divided exactly by the product in `divisor` when there
    // is one, and multiplied by the factor of the unit named `unit` (the short
    // name of a row of the same table whose chain is a single multiplication).
    // So a row reads as its definition: 0.0254 × 0.0254 m², 1852 ÷ 3600 m/s,
    // an Imperial gallon ÷ 16.
    struct Step {
        Operator op = Operator::Multiplication;
        std::string_view number;
        std::string_view divisor;
        std::string_view unit;
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
