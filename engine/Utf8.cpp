#include "engine/Utf8.h"

namespace ratio {

namespace {

struct Lead {
    int length = 0; // 0: no lead byte
    char32_t bits = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
};

// The allowed second-byte ranges shut out overlong forms, surrogates and
// code points above U+10FFFF.
Lead leadOf(unsigned char byte) {
    if (byte < 0x80)
        return {1, byte};
    if (byte >= 0xC2 && byte <= 0xDF)
        return {2, char32_t(byte & 0x1F)};
    if (byte >= 0xE0 && byte <= 0xEF)
        return {3, char32_t(byte & 0x0F), byte == 0xE0 ? (unsigned char)0xA0 : (unsigned char)0x80,
                byte == 0xED ? (unsigned char)0x9F : (unsigned char)0xBF};
    if (byte >= 0xF0 && byte <= 0xF4)
        return {4, char32_t(byte & 0x07), byte == 0xF0 ? (unsigned char)0x90 : (unsigned char)0x80,
                byte == 0xF4 ? (unsigned char)0x8F : (unsigned char)0xBF};
    return {};
}

} // namespace

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Lead lead = leadOf(static_cast<unsigned char>(text[i]));
        const auto length = static_cast<std::size_t>(lead.length);
        if (length == 0 || text.size() - i < length)
            return std::nullopt;
        char32_t c = lead.bits;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? lead.low : 0x80) || byte > (k == 1 ? lead.high : 0xBF))
                return std::nullopt;
            c = (c << 6) | (byte & 0x3F);
        }
        out.push_back(c);
        i += length;
    }
    return out;
}

} // namespace ratio
