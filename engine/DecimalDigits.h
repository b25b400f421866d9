// The integer work behind every decimal text: powers of ten and the rounded
// expansion of a fraction, shared by BDouble and LinearMap.
#pragma once

#include <gmpxx.h>

#include <string>

namespace ratio::DecimalDigits {

// 10^exponent; the powers a key or a result needs are kept, others are
// computed into `scratch`.
const mpz_class& tenToThe(unsigned long exponent, mpz_class& scratch);

// The decimal text of n, with room reserved for `extra` more characters.
std::string textOf(mpz_srcptr n, std::size_t extra = 0);

// numerator / denominator (denominator > 0, the fraction need not be
// reduced) as "-"? digits "." `places` digits, rounded half away from zero
// or truncated; the minus only when the digits are not all zero; for 0
// places the point is followed by a single "0".
std::string expansion(mpz_srcptr numerator, mpz_srcptr denominator, unsigned long places,
                      bool rounded);

} // namespace ratio::DecimalDigits
