#pragma once

#include "platform/KeptRatesDocument.h"
#include "units/HistoryTape.h"

#include <QString>

#include <optional>

namespace ratio {

// The history tape's file in the data folder, beside the kept rates, shared
// by every window and ratio-cli. Each change reads what is there, merges and
// replaces the file atomically while holding a lock file, so two writers at
// once lose no entry. A damaged file is renamed aside, never overwritten, and
// the history starts empty.
class HistoryFile {
  public:
    explicit HistoryFile(QString folder = KeptRatesDocument::defaultFolder());

    // Oldest first; empty when there is no file, or it was damaged (and set aside).
    HistoryEntries load() const;
    // The file's entries, then `added`, the oldest dropped beyond the limit.
    // False, with the file as it was, when it cannot be locked or written.
    bool append(const HistoryEntries& added) const;
    // Empties the history; false when it cannot.
    bool clear() const;

    QString filePath() const;

  private:
    // The file's entries; none when it is damaged or unreadable.
    std::optional<HistoryEntries> read() const;
    // Under the lock: the file's entries, a damaged file set aside.
    HistoryEntries readLocked() const;
    bool writeLocked(const HistoryEntries& entries) const;
    template <typename Change> bool changeLocked(Change change) const;

    QString folder;
};

} // namespace ratio
