#pragma once

#include "units/CurrencyRates.h"

#include <QByteArray>
#include <QDate>

#include <string>
#include <vector>

namespace ratio {

// The daily reference-rate document, read as the XML it is: the one reader
// of rate documents, for the window, ratio-cli and the kept file alike.
// Every element named Cube (in any namespace) with a currency and a rate
// attribute gives one rate, in either quote style, with any spacing, line
// ends or byte-order mark. The first element for a code decides it. Rates
// that cannot give a unit are listed with the reason instead of being
// dropped without a word. A document that cannot be used carries no rates.
struct RatesDocument {
    // A rate element that gives no unit, and why ("a rate of zero").
    struct SkippedRate {
        std::string code;
        std::string why;
    };

    RateTexts rates; // code -> rate text
    std::vector<SkippedRate> skipped;
    QDate time;          // the day the rates are of, when the document says (yyyy-mm-dd)
    std::string problem; // why the document cannot be used at all; empty when it can

    bool usable() const { return problem.empty(); }
    // The day the rates are of, or `fallback` for a document without one.
    QDate day(const QDate& fallback) const { return time.isValid() ? time : fallback; }

    static RatesDocument read(const QByteArray& bytes);
};

} // namespace ratio
