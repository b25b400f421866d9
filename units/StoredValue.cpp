#include "units/StoredValue.h"

#include <ostream>

namespace ratio {

std::optional<std::string> StoredValue::text() const {
    if (const auto* value = std::get_if<std::string>(&content))
        return *value;
    return std::nullopt;
}

std::optional<long long> StoredValue::integer() const {
    if (const auto* value = std::get_if<long long>(&content))
        return *value;
    return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, const StoredValue& value) {
    if (const auto text = value.text())
        return out << "text \"" << *text << '"';
    if (const auto integer = value.integer())
        return out << "integer " << *integer;
    return out << (value.isOther() ? "other" : "absent");
}

} // namespace ratio
