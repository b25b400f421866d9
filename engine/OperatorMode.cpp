#include "engine/OperatorMode.h"

namespace ratio {

void OperatorMode::setModeEnum(Mode newMode) {
    if (newMode == mode)
        return;
    const Mode oldMode = mode;
    mode = newMode;
    if (modeSwitchedSelector)
        modeSwitchedSelector(oldMode, newMode);
}

OperatorMode& OperatorMode::shared() {
    static OperatorMode* instance = new OperatorMode();
    return *instance;
}

} // namespace ratio
