#pragma once

#include <functional>

namespace ratio {

// The tap feedback of a key: a selection haptic and the keyboard click
// sound. The desktop has neither, so both do nothing unless a front end or a
// test installs its own.
class KeyFeedback {
  public:
    static constexpr int keyClickSound = 1104;

    static void selectionChanged();
    static void playSystemSound(int soundId);

    static std::function<void()> hapticHandler;
    static std::function<void(int soundId)> soundHandler;
};

} // namespace ratio
