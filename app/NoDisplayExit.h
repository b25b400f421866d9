#pragma once

namespace ratio {

// Without a display Qt's platform plugin cannot start, and Qt ends the process
// with an abort and advice to reinstall. While this object lives (around the
// making of the application object) that end becomes one line saying what is
// missing and exit status 1; Qt's other messages of that time are held and
// passed on when it goes.
class NoDisplayExit {
  public:
    NoDisplayExit();
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;
};

} // namespace ratio
