#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace ratio {

// A value of a kind the application never stores itself (a list, bytes, a
// number with a fraction): readers treat it like a wrong type, never an error.
struct OtherValue {
    bool operator==(const OtherValue&) const = default;
};

// What a key of the settings store holds: nothing, a text, an integer, or
// something else. Accessors give nothing for the wrong kind instead of failing.
class StoredValue {
  public:
    StoredValue() = default; // absent

    static StoredValue ofText(std::string text) { return StoredValue(std::move(text)); }
    static StoredValue ofInteger(long long integer) { return StoredValue(integer); }
    static StoredValue other() { return StoredValue(OtherValue{}); }

    bool isAbsent() const { return std::holds_alternative<std::monostate>(content); }
    bool isText() const { return std::holds_alternative<std::string>(content); }
    bool isInteger() const { return std::holds_alternative<long long>(content); }
    bool isOther() const { return std::holds_alternative<OtherValue>(content); }

    std::optional<std::string> text() const;
    std::optional<long long> integer() const;

    bool operator==(const StoredValue&) const = default;

  private:
    using Content = std::variant<std::monostate, std::string, long long, OtherValue>;
    explicit StoredValue(Content content) : content(std::move(content)) {}

    Content content;
};

// absent, text "…", integer n or other: for diagnostics and test messages.
std::ostream& operator<<(std::ostream& out, const StoredValue& value);

} // namespace ratio
