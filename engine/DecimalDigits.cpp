#include "engine/DecimalDigits.h"

#include <array>

namespace ratio::DecimalDigits {

namespace {
// Enough for 10^8 on every result and the places anyone types.
constexpr unsigned long keptPowers = 64;
} // namespace

const mpz_class& tenToThe(unsigned long exponent, mpz_class& scratch) {
    static const auto powers = [] {
        std::array<mpz_class, keptPowers> table;
        table[0] = 1;
        for (unsigned long e = 1; e < keptPowers; ++e)
            table[e] = table[e - 1] * 10;
        return table;
    }();
    if (exponent < keptPowers)
        return powers[exponent];
    mpz_ui_pow_ui(scratch.get_mpz_t(), 10, exponent);
    return scratch;
}

std::string textOf(mpz_srcptr n, std::size_t extra) {
    const std::size_t room = mpz_sizeinbase(n, 10) + 2;
    std::string text;
    text.reserve(room + extra);
    text.resize(room);
    mpz_get_str(text.data(), 10, n);
    text.resize(std::char_traits<char>::length(text.data()));
    return text;
}

std::string expansion(mpz_srcptr numerator, mpz_srcptr denominator, unsigned long places,
                      bool rounded) {
    std::string text;
    if (mpz_cmp_ui(denominator, 1) == 0) { // whole numbers: no scaling, no division
        text = textOf(numerator, places + 3);
        text.append(places, '0');
    } else {
        // Scratch numbers reused across calls: a key press allocates no GMP temporaries.
        thread_local mpz_class scaled, remainder, power;
        mpz_mul(scaled.get_mpz_t(), numerator, tenToThe(places, power).get_mpz_t());
        mpz_abs(scaled.get_mpz_t(), scaled.get_mpz_t());
        mpz_tdiv_qr(scaled.get_mpz_t(), remainder.get_mpz_t(), scaled.get_mpz_t(), denominator);
        if (rounded) { // halves go away from zero: up when 2r >= d
            mpz_mul_2exp(remainder.get_mpz_t(), remainder.get_mpz_t(), 1);
            if (mpz_cmp(remainder.get_mpz_t(), denominator) >= 0)
                mpz_add_ui(scaled.get_mpz_t(), scaled.get_mpz_t(), 1);
        }
        text = textOf(scaled.get_mpz_t(), places + 4);
        if (mpz_sgn(numerator) < 0 && sgn(scaled) != 0)
            text.insert(0, 1, '-');
    }
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    const std::size_t digits = text.size() - sign;
    if (digits <= places)
        text.insert(sign, places + 1 - digits, '0');
    text.insert(text.size() - places, 1, '.');
    if (places == 0)
        text.push_back('0');
    return text;
}

} // namespace ratio::DecimalDigits
