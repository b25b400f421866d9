#pragma once

#include <functional>

namespace ratio {

// The pending operator, shared by the whole application; the main screen
// listens through `modeSwitchedSelector` to light up the operator's key.
class OperatorMode {
  public:
    enum class Mode { None, Addition, Subtraction, Multiplication, Division };

    Mode modeEnum() const { return mode; }
    // Stores a different mode and reports the change; an equal mode changes nothing.
    void setModeEnum(Mode newMode);

    std::function<void(Mode oldMode, Mode newMode)> modeSwitchedSelector = [](Mode, Mode) {};

    static OperatorMode& shared();

  private:
    Mode mode = Mode::None;
};

using Mode = OperatorMode::Mode;

} // namespace ratio
