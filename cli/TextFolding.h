#pragma once

#include <string>
#include <string_view>

namespace ratio {

// Names as a user compares them: case folded the Unicode way, so "KILOMÈTRE"
// finds "Kilomètre".
std::string foldCase(std::string_view text);

// No-break spaces (the catalogue writes "[US] Miles per gallon" with one) as
// plain spaces, which is what a keyboard gives.
std::string withPlainSpaces(std::string_view text);

} // namespace ratio
