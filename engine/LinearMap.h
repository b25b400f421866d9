#pragma once

#include "engine/BDouble.h"

#include <string>

namespace ratio {

// x * scale + offset, exactly: what a unit pair's two chains come to, as
// every step adds, subtracts, multiplies or divides by a constant. A rounded
// result is written from one fraction built in integers and never reduced,
// so a line of a batch costs no gcd.
class LinearMap {
  public:
    LinearMap(const BDouble& scale, const BDouble& offset);

    BDouble operator()(const BDouble& x) const;

    // The same text as (*this)(x).decimalExpansion(places).
    std::string decimalExpansion(const BDouble& x, int places) const;

  private:
    mpq_class scale, offset;
};

} // namespace ratio
