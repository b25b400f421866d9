#include "platform/HistoryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>

namespace ratio {

namespace {

// Far beyond a full tape; a bigger file is not ours.
constexpr qint64 maximumFileSize = 4 * 1024 * 1024;
// A writer holds the lock for milliseconds; one that waits longer gives up.
constexpr int lockWaitMilliseconds = 5000;

// "history.damaged-20261205-140309", with a count when that name is taken.
QString asideName(const QString& path) {
    const QString base =
        path + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString name = base;
    for (int count = 2; QFile::exists(name); ++count)
        name = base + '-' + QString::number(count);
    return name;
}

} // namespace

HistoryFile::HistoryFile(QString folder) : folder(std::move(folder)) {}

QString HistoryFile::filePath() const {
    return QDir(folder).filePath("history");
}

std::optional<HistoryEntries> HistoryFile::read() const {
    QFile file(filePath());
    if (!file.exists())
        return HistoryEntries{};
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumFileSize)
        return std::nullopt;
    const QByteArray content = file.readAll();
    return HistoryTape::read(std::string_view(content.data(), content.size()));
}

HistoryEntries HistoryFile::readLocked() const {
    if (auto entries = read())
        return std::move(*entries);
    QFile::rename(filePath(), asideName(filePath()));
    return {};
}

bool HistoryFile::writeLocked(const HistoryEntries& entries) const {
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string text = HistoryTape::write(entries);
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

template <typename Change> bool HistoryFile::changeLocked(Change change) const {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QLockFile lock(filePath() + ".lock");
    if (!lock.tryLock(lockWaitMilliseconds))
        return false;
    return change();
}

HistoryEntries HistoryFile::load() const {
    // Files are replaced whole, so a read needs no lock; setting one aside does.
    if (auto entries = read())
        return std::move(*entries);
    HistoryEntries entries;
    changeLocked([&] {
        entries = readLocked();
        return true;
    });
    return entries;
}

bool HistoryFile::append(const HistoryEntries& added) const {
    return changeLocked([&] {
        HistoryEntries entries = readLocked();
        HistoryTape::append(entries, added);
        return writeLocked(entries);
    });
}

bool HistoryFile::clear() const {
    return changeLocked([&] { return writeLocked({}); });
}

} // namespace ratio
