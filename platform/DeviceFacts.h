#pragma once

#include <string>

namespace ratio {

// The device the app runs on. A desktop is never a tablet; tests set the
// model to see the tablet paths.
class DeviceFacts {
  public:
    static std::string model();
    static void setModel(std::string model);
    // True when the model name begins with "iPad".
    static bool isPadDevice();
};

} // namespace ratio
