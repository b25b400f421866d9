#pragma once

#include "cli/LineConverter.h"

#include <iosfwd>

namespace ratio {

// --batch: VALUE<TAB>FROM<TAB>TO lines in, one result line out for each good
// line, one message on the error stream for each bad one. Results are
// collected in a buffer and written in large pieces; only when a person types
// the lines is each result flushed at once. CRLF line ends are accepted.
struct BatchRun {
    // True when every line converted.
    static bool run(LineConverter& converter, std::istream& input, std::ostream& output,
                    std::ostream& errors, bool interactive);
};

} // namespace ratio
