#pragma once

#include <QByteArray>
#include <QDate>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratio {

// The daily reference-rate document, read as the XML it is: every element
// named Cube with a currency and a rate attribute gives one rate, in either
// quote style and with any whitespace between attributes. The first element
// for a code decides it. Rates that cannot give a unit are listed with the
// reason instead of being dropped without a word. A document that cannot be
// used carries no rates at all.
struct RatesDocument {
    std::map<std::string, std::string, std::less<>> rates; // code -> rate text
    std::vector<std::string> skipped;                      // "skipped rate for XYZ: why"
    QDate time;          // the day the rates are of, when the document says
    std::string problem; // why the document cannot be used at all; empty when it can

    bool usable() const { return problem.empty(); }
    std::optional<std::string> rate(std::string_view code) const;

    static RatesDocument read(const QByteArray& bytes);
};

} // namespace ratio
