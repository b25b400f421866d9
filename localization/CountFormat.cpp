#include "localization/CountFormat.h"

namespace ratio {

std::string formatCount(std::string_view format, long long count) {
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

} // namespace ratio
