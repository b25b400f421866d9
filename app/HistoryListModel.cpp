#include "app/HistoryListModel.h"

#include <QColor>

namespace ratio {

namespace {

// The day an entry was recorded on, where it was recorded: its time's date part.
QDate dayOf(const HistoryEntry& entry) {
    return QDate::fromString(QString::fromLatin1(entry.time.data(), 10), Qt::ISODate);
}

} // namespace

HistoryListModel::HistoryListModel(QLocale locale, EntryText entryText, QObject* parent)
    : QAbstractListModel(parent), locale(std::move(locale)), entryText(std::move(entryText)) {}

void HistoryListModel::setEntries(const HistoryEntries& entries) {
    beginResetModel();
    shown.assign(entries.rbegin(), entries.rend());
    rows.clear();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const QDate day = shown[i].time.size() >= 10 ? dayOf(shown[i]) : QDate();
        if (rows.empty() || rows.back().day != day)
            rows.push_back({-1, day});
        rows.push_back({static_cast<int>(i), day});
    }
    endResetModel();
}

const HistoryEntry* HistoryListModel::entryAt(int row) const {
    if (row < 0 || row >= rowCount() || rows[static_cast<std::size_t>(row)].entry < 0)
        return nullptr;
    return &shown[static_cast<std::size_t>(rows[static_cast<std::size_t>(row)].entry)];
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = rows[static_cast<std::size_t>(index.row())];
    const bool heading = row.entry < 0;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return heading ? locale.toString(row.day, QLocale::LongFormat)
                       : entryText(shown[static_cast<std::size_t>(row.entry)]);
    case Qt::ForegroundRole:
        return heading ? QVariant(QColor(0x8e, 0x8e, 0x93)) : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex& index) const {
    return entryAt(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

} // namespace ratio
