#include "localization/CountFormat.h"

#include "localization/LanguagePlurals.h"

namespace ratio {

namespace {

std::string fillCount(std::string_view format, long long count) {
    const std::string number = std::to_string(count);
    std::string text;
    text.reserve(format.size() + number.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool escape = format[i] == '%' && i + 1 < format.size();
        if (escape && format[i + 1] == 'i') {
            text += number;
            ++i;
        } else if (escape && format[i + 1] == '%') {
            text += '%';
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

std::size_t skipSpaces(std::string_view text, std::size_t at) {
    const std::size_t found = text.find_first_not_of(' ', at);
    return found == std::string_view::npos ? text.size() : found;
}

std::string_view chooseForm(const PluralForms& forms, PluralCategory category) {
    for (const PluralCategory wanted : {category, PluralCategory::Other})
        for (const auto& [formCategory, format] : forms)
            if (formCategory == wanted)
                return format;
    return forms.front().second; // a list without "other" still shows something
}

} // namespace

std::optional<PluralForms> pluralForms(std::string_view countText) {
    PluralForms forms;
    std::size_t at = skipSpaces(countText, 0);
    while (at < countText.size()) {
        const std::size_t open = countText.find('{', at);
        if (open == std::string_view::npos)
            return std::nullopt;
        const std::optional<PluralCategory> category =
            pluralCategoryNamed(countText.substr(at, open - at));
        const std::size_t close = countText.find_first_of("{}", open + 1);
        if (!category || close == std::string_view::npos || countText[close] != '}')
            return std::nullopt;
        forms.emplace_back(*category, countText.substr(open + 1, close - open - 1));
        at = skipSpaces(countText, close + 1);
    }
    if (forms.empty())
        return std::nullopt;
    return forms;
}

std::string formatCount(std::string_view countText, long long count, Language language) {
    const std::optional<PluralForms> forms = pluralForms(countText);
    if (!forms)
        return fillCount(countText, count);
    return fillCount(chooseForm(*forms, pluralCategory(language, count)), count);
}

} // namespace ratio
