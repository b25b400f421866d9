#pragma once

#include "cli/LineConverter.h"

#include <iosfwd>

namespace ratio {

// --batch: VALUE<TAB>FROM<TAB>TO lines in, one line out for each line in,
// so output line N belongs to input line N. A bad line gives an empty line
// and one message, written at once, on the error stream; a blank line or a
// "#" comment gives an empty line and no message. Results are collected in a
// buffer and written in large pieces; only when a person types the lines is
// each result flushed at once, before any message about the next line. CRLF
// line ends are accepted. The run stops when the output cannot be written.
struct BatchRun {
    // True when every line converted or was blank or a comment.
    static bool run(LineConverter& converter, std::istream& input, std::ostream& output,
                    std::ostream& errors, bool interactive);
};

} // namespace ratio
