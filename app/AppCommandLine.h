#pragma once

#include <iosfwd>
#include <string>

namespace ratio {

// The app's own command line, read before any window or display exists:
// --help and --version answer and end the program, Qt's own options pass
// through to QApplication, anything else is a usage error.
struct AppCommandLine {
    enum class Action { Run, Help, Version, Error };

    Action action = Action::Run;
    std::string error; // with Action::Error

    static AppCommandLine parse(int argc, const char* const* argv);

    // Prints what the action asks for; the exit status (0, or 2 for an error).
    int answer(std::ostream& output, std::ostream& errors) const;
};

} // namespace ratio
