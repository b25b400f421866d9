#include "localization/TextFolding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace ratio {

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string toUtf8(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    return utf8;
}

void foldCaseInPlace(icu::UnicodeString& text) {
    text.findAndReplace(icu::UnicodeString(char16_t(0x0130)), icu::UnicodeString(u'i'));
    text.findAndReplace(icu::UnicodeString(char16_t(0x0131)), icu::UnicodeString(u'i'));
    text.foldCase(U_FOLD_CASE_DEFAULT);
}

bool isDroppedMark(UChar32 c) {
    const auto type = static_cast<UCharCategory>(u_charType(c));
    const bool mark =
        type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK || type == U_ENCLOSING_MARK;
    return mark && c != 0x3099 && c != 0x309A;
}

} // namespace

std::string foldCase(std::string_view text) {
    if (isAscii(text)) { // the common case, without a round trip through UTF-16
        std::string folded(text);
        std::transform(folded.begin(), folded.end(), folded.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        return folded;
    }
    icu::UnicodeString wide = icu::UnicodeString::fromUTF8(text);
    foldCaseInPlace(wide);
    return toUtf8(wide);
}

std::string foldForSearch(std::string_view text) {
    if (isAscii(text))
        return foldCase(text);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* decompose = icu::Normalizer2::getNFKDInstance(status);
    const icu::Normalizer2* compose = icu::Normalizer2::getNFKCInstance(status);
    if (U_FAILURE(status)) // ICU without its data: case alone still folds
        return foldCase(text);
    icu::UnicodeString wide = decompose->normalize(icu::UnicodeString::fromUTF8(text), status);
    icu::UnicodeString kept;
    for (int32_t at = 0; at < wide.length(); at = wide.moveIndex32(at, 1))
        if (const UChar32 c = wide.char32At(at); !isDroppedMark(c))
            kept.append(c);
    kept = compose->normalize(kept, status);
    foldCaseInPlace(kept);
    return U_SUCCESS(status) ? toUtf8(kept) : foldCase(text);
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
