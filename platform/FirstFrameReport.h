#pragma once

class QObject;

namespace ratio {

// For the start-up benchmark: with RATIO_REPORT_FIRST_FRAME set, writes
// "first-frame" to standard output once the window's first paint has been
// handled, so a driver can time a start from outside; set to "quit", the
// program then ends, for profilers that time whole runs. Does nothing otherwise.
class FirstFrameReport {
  public:
    static void installIfAsked(QObject* window);
};

} // namespace ratio
