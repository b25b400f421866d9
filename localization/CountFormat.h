#pragma once

#include <string>
#include <string_view>

namespace ratio {

// Fills a count text such as "%i more lengths" with one integer, printf-style
// but safely: every "%i" becomes the number and "%%" a single "%"; anything
// else, a stray "%s", "%n" or a lone "%" included, is copied as it stands.
std::string formatCount(std::string_view format, long long count);

} // namespace ratio
