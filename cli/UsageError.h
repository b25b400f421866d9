#pragma once

#include <string>

namespace ratio {

// A problem with what the user asked for: reported once, exit status 2.
class UsageError {
  public:
    explicit UsageError(std::string message) : message(std::move(message)) {}
    std::string message;
};

} // namespace ratio
