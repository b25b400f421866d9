#include "cli/TextFolding.h"

#include <QString>

#include <algorithm>

namespace ratio {

std::string foldCase(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) { // the common case, without a round trip through UTF-16
        std::string folded(text);
        for (char& c : folded)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return folded;
    }
    const QString wide = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return wide.toCaseFolded().toStdString();
}

std::string withPlainSpaces(std::string_view text) {
    static constexpr std::string_view noBreakSpace = "\u00A0";
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, noBreakSpace.size()) == noBreakSpace) {
            plain.push_back(' ');
            at += noBreakSpace.size();
        } else {
            plain.push_back(text[at++]);
        }
    }
    return plain;
}

} // namespace ratio
