#pragma once

#include "platform/HistoryFile.h"

#include <iosfwd>

namespace ratio {

// ratio-cli history: the tape printed oldest first, an entry a line of its
// fields tab-separated; with --clear, emptied.
namespace HistoryCommand {

int print(const HistoryFile& file, std::ostream& output);
int clear(const HistoryFile& file, std::ostream& errors);

} // namespace HistoryCommand

} // namespace ratio
