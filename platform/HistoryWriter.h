#pragma once

#include "platform/HistoryFile.h"

#include <QObject>
#include <QThreadPool>

namespace ratio {

// Takes the window's entries as they are recorded and writes them to the
// history file on a thread of its own, after the key and its frame: a key
// only adds to a list. Writes run one at a time, in order.
class HistoryWriter : public QObject {
  public:
    explicit HistoryWriter(HistoryFile file, QObject* parent = nullptr);
    // Waits for the writes still to run, so none is lost at the end.
    ~HistoryWriter() override;

    void add(const HistoryEntry& entry);
    // Once everything added so far is written: the file's entries, oldest first.
    HistoryEntries entries();
    // Empties the history, entries still waiting too.
    bool clear();
    // Writes what waits, and returns when it is written.
    void flush();

  private:
    void writePending();

    HistoryFile file;
    HistoryEntries pending;
    bool scheduled = false;
    QThreadPool writer;
};

} // namespace ratio
