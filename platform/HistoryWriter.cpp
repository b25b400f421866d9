#include "platform/HistoryWriter.h"

#include <QTimer>

namespace ratio {

HistoryWriter::HistoryWriter(HistoryFile file, QObject* parent)
    : QObject(parent), file(std::move(file)) {
    writer.setMaxThreadCount(1);
}

HistoryWriter::~HistoryWriter() {
    flush();
}

void HistoryWriter::add(const HistoryEntry& entry) {
    pending.push_back(entry);
    if (scheduled)
        return;
    scheduled = true;
    // Queued behind the key's own events and its repaint.
    QTimer::singleShot(0, this, &HistoryWriter::writePending);
}

void HistoryWriter::writePending() {
    scheduled = false;
    if (pending.empty())
        return;
    writer.start([file = file, batch = std::move(pending)] { file.append(batch); });
    pending.clear();
}

void HistoryWriter::flush() {
    writePending();
    writer.waitForDone();
}

HistoryEntries HistoryWriter::entries() {
    flush();
    return file.load();
}

bool HistoryWriter::clear() {
    pending.clear();
    writer.waitForDone();
    return file.clear();
}

} // namespace ratio
