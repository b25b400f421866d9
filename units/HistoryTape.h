// The history as text, oldest entry first: the one format the window and
// ratio-cli read and write.
//
// A header line "ratio-history 1", then one line per entry of seven
// tab-separated fields: time, calculation, value, result, unit0, unit1,
// rates day (see HistoryEntry).
#pragma once

#include "units/HistoryEntry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ratio {

using HistoryEntries = std::vector<HistoryEntry>;

class HistoryTape {
  public:
    static constexpr std::size_t maximumEntries = 1000;

    // None for a text that is not wholly a tape: a wrong header, a line of
    // the wrong shape, a value that is not exact number text.
    static std::optional<HistoryEntries> read(std::string_view text);
    // Entries with a tab or a line break in a field are left out, so what is
    // written always reads back.
    static std::string write(const HistoryEntries& entries);

    // `added` after `entries`, the oldest dropped beyond maximumEntries.
    static void append(HistoryEntries& entries, const HistoryEntries& added);
};

} // namespace ratio
