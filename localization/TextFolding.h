// Text as a user compares it, the one folding behind the window's unit search
// and ratio-cli's names. It lives beside the other CLDR-backed rules of the
// core, on ICU's case folding, so both front ends match the same texts.
#pragma once

#include <string>
#include <string_view>

namespace ratio {

// Full case folding: "FUSS" and "Fuß" both give "fuss", a final sigma folds
// as any sigma. Dotted and dotless i count as one letter ("ISTANBUL",
// "İstanbul" and "ıstanbul" give "istanbul"): a Turkish user types either
// when a keyboard lacks one, and no other language tells them apart.
// UTF-8 in and out; an invalid byte folds to U+FFFD.
std::string foldCase(std::string_view text);

// As foldCase, also without accents: compatibility-decomposed ("ＦＴ" gives
// "ft"), combining marks dropped (the kana voicing marks kept: they change
// the sound, not an accent) and composed again.
std::string foldForSearch(std::string_view text);

// No-break spaces (the catalogue writes "[US] Miles per gallon" with one) as
// plain spaces, which is what a keyboard gives.
std::string withPlainSpaces(std::string_view text);

} // namespace ratio
