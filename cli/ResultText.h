#pragma once

#include "engine/BDouble.h"
#include "engine/BaseCalculator.h"
#include "engine/LinearMap.h"

#include <string>
#include <string_view>

namespace ratio {

// How convert and --batch write a result. By default as the converter row
// shows it: 8 places, trailing zeros dropped, grouped, the locale's decimal
// separator. `places` changes the 8; `exact` gives the whole expansion with
// a repeating period in parentheses, or the fraction where the period is too
// long to print; `plain` leaves out the grouping and the locale, so scripts
// read the number back.
struct ResultFormat {
    bool plain = false;
    bool exact = false;
    int places = BaseCalculator::PrecisionAfterDecimalSeparator;

    static constexpr int maximumPlaces = 1000;
    static constexpr std::size_t longestPeriod = 1000;
};

class ResultText {
  public:
    ResultText(const ResultFormat& format, std::string_view decimalSeparator,
               std::string_view groupingSeparator);

    void append(const BDouble& number, std::string& out) const;
    // The text of map(x): a rounded one straight from integers.
    void append(const LinearMap& map, const BDouble& x, std::string& out) const;

  private:
    void appendRounded(std::string digits, std::string& out) const;
    void appendLocal(std::string digits, std::string& out) const;

    const ResultFormat format;
    const BaseCalculator text; // the separators and the grouping of the rows
    const std::string decimalSeparator;
};

} // namespace ratio
