#pragma once

#include <functional>

class QObject;

namespace ratio {

// Runs an action once, in the turn of the event loop after the window's first
// paint (the frame is on the screen by then), for work the first frame does
// not need. Nothing runs if the window goes away first.
void afterFirstFrame(QObject* window, std::function<void()> action);

} // namespace ratio
