// The one UTF-8 rule of the core: strict, as the standard defines it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ratio {

// The code points of `text`; none when it is not UTF-8: a stray or missing
// continuation byte, an overlong form, a surrogate, or anything above U+10FFFF.
std::optional<std::u32string> decodeUtf8(std::string_view text);

} // namespace ratio
