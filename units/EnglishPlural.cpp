#include "units/EnglishPlural.h"

#include <algorithm>

namespace ratio {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isVowel(char c) {
    return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos;
}

// Where the counted word ends: before " per " or " of " when the name has
// one ("Metre per second"), otherwise at the end.
std::size_t countedWordEnd(std::string_view name) {
    std::size_t end = name.size();
    for (std::string_view joint : {" per ", " of "})
        end = std::min(end, name.find(joint));
    return end;
}

std::string pluralOfWord(std::string_view word) {
    const auto endsWith = [word](std::string_view tail) { return word.ends_with(tail); };
    std::string plural(word);
    if (endsWith("oot")) // foot, the one irregular unit
        plural.replace(plural.size() - 3, 3, "eet");
    else if (endsWith("ch") || endsWith("sh") || endsWith("x") || endsWith("z"))
        plural += "es";
    else if (endsWith("y") && word.size() > 1 && !isVowel(word[word.size() - 2]))
        plural.replace(plural.size() - 1, 1, "ies");
    else
        plural += 's';
    return plural;
}

} // namespace

std::string englishPlural(std::string_view name) {
    const bool ascii = std::all_of(name.begin(), name.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::size_t end = countedWordEnd(name);
    if (!ascii || end < 2 || !isLetter(name[end - 1]) || !isLetter(name[end - 2]) ||
        name[end - 1] == 's' || name[end - 1] == 'S')
        return {};
    const std::size_t start = name.find_last_of(" -", end - 1) + 1; // npos + 1 is 0
    return std::string(name.substr(0, start)) + pluralOfWord(name.substr(start, end - start)) +
           std::string(name.substr(end));
}

} // namespace ratio
