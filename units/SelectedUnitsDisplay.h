#pragma once

#include <string>

namespace ratio {

// The main screen's elements that show the selected units. The screen looks
// each element up on every call and skips one that is absent.
class SelectedUnitsDisplay {
  public:
    virtual ~SelectedUnitsDisplay() = default;

    virtual void setUnit0LongNameLabel(const std::string& text) = 0;
    virtual void setUnit1LongNameLabel(const std::string& text) = 0;
    virtual void setConverterButtonTitle(const std::string& title) = 0;
};

} // namespace ratio
