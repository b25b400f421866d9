#pragma once

#include <thread>

namespace ratio {

// Loads the system's font configuration (every font folder's cache) on a
// worker thread while the application connects to the display. The window's
// first text would otherwise wait for it: milliseconds on every start. Where
// the build has no fontconfig, it does nothing.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits for the load; called before the first font is used, so Qt finds
    // the configuration ready instead of loading a second one beside it.
    void finish();

  private:
    std::thread worker;
};

} // namespace ratio
