#pragma once

#include <QString>

#include <thread>

namespace ratio {

// Loads the system's font configuration (every font folder's cache) on a
// worker thread while the application connects to the display. The window's
// first text would otherwise wait for it: milliseconds on every start. Where
// the build has no fontconfig, it does nothing.
//
// It also looks up the sans-serif family for Latin text. Where the locale's
// own sans-serif lacks Latin letters and digits (Thai, Hindi, Japanese…),
// every digit on the keypad and in the rows would otherwise be looked for
// through a chain of fallback fonts, at every size, on every start.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits for the load; called before the first font is used, so Qt finds
    // the configuration ready instead of loading a second one beside it.
    void finish();

    // After finish(): the Latin sans-serif family when the locale's own
    // sans-serif is another family, otherwise empty.
    QString latinFamilyFirst() const { return latinFamily; }

  private:
    std::thread worker;
    QString latinFamily;
};

} // namespace ratio
