#include "engine/LinearMap.h"

#include "engine/DecimalDigits.h"

#include <algorithm>

namespace ratio {

LinearMap::LinearMap(const BDouble& scale, const BDouble& offset)
    : scale(scale.value), offset(offset.value) {}

BDouble LinearMap::operator()(const BDouble& x) const {
    return BDouble(mpq_class(x.value * scale + offset));
}

std::string LinearMap::decimalExpansion(const BDouble& x, int places) const {
    // a/b * p/q + r/s = (a p s + r b q) / (b q s)
    thread_local mpz_class numerator, denominator, term;
    const mpz_class &a = x.value.get_num(), &b = x.value.get_den();
    const mpz_class &p = scale.get_num(), &q = scale.get_den();
    const mpz_class &r = offset.get_num(), &s = offset.get_den();
    mpz_mul(numerator.get_mpz_t(), a.get_mpz_t(), p.get_mpz_t());
    mpz_mul(denominator.get_mpz_t(), b.get_mpz_t(), q.get_mpz_t());
    if (sgn(r) != 0) {
        mpz_mul(numerator.get_mpz_t(), numerator.get_mpz_t(), s.get_mpz_t());
        mpz_mul(term.get_mpz_t(), r.get_mpz_t(), denominator.get_mpz_t());
        mpz_add(numerator.get_mpz_t(), numerator.get_mpz_t(), term.get_mpz_t());
        mpz_mul(denominator.get_mpz_t(), denominator.get_mpz_t(), s.get_mpz_t());
    }
    return DecimalDigits::expansion(numerator.get_mpz_t(), denominator.get_mpz_t(),
                                    static_cast<unsigned long>(std::max(places, 0)), true);
}

} // namespace ratio
