#include "platform/KeyFeedback.h"

namespace ratio {

std::function<void()> KeyFeedback::hapticHandler;
std::function<void(int)> KeyFeedback::soundHandler;

void KeyFeedback::selectionChanged() {
    if (hapticHandler)
        hapticHandler();
}

void KeyFeedback::playSystemSound(int soundId) {
    if (soundHandler)
        soundHandler(soundId);
}

} // namespace ratio
