#include "app/UnitListModel.h"

#include <algorithm>

namespace ratio {

void UnitListModel::setEntries(std::vector<Entry> newEntries) {
    beginResetModel();
    entries = std::move(newEntries);
    endResetModel();
}

void UnitListModel::setMarked(std::vector<Position> positions) {
    std::vector<Position> changed = marked;
    changed.insert(changed.end(), positions.begin(), positions.end());
    marked = std::move(positions);
    for (auto [section, row] : changed) {
        const int flat = flatRow(section, row);
        if (flat >= 0)
            emit dataChanged(index(flat), index(flat));
    }
}

const UnitListModel::Entry* UnitListModel::entry(int flat) const {
    if (flat < 0 || flat >= static_cast<int>(entries.size()))
        return nullptr;
    return &entries[static_cast<std::size_t>(flat)];
}

int UnitListModel::flatRow(int section, int row) const {
    if (section < 0 || row < 0)
        return -1;
    // Entries are ordered by section, then row: a binary search finds the row.
    const auto found = std::lower_bound(entries.begin(), entries.end(), std::pair(section, row),
                                        [](const Entry& entry, const Position& key) {
                                            return std::pair(entry.section, entry.row) < key;
                                        });
    if (found == entries.end() || found->section != section || found->row != row)
        return -1;
    return static_cast<int>(found - entries.begin());
}

int UnitListModel::headerRow(int section) const {
    const int first = flatRow(section, 0);
    if (first <= 0 || entries[static_cast<std::size_t>(first - 1)].kind != Kind::Header)
        return -1;
    return first - 1;
}

int UnitListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries.size());
}

bool UnitListModel::isMarked(const Entry& entry) const {
    return entry.kind == Kind::Unit &&
           std::find(marked.begin(), marked.end(), Position(entry.section, entry.row)) !=
               marked.end();
}

QVariant UnitListModel::data(const QModelIndex& index, int role) const {
    const Entry* row = entry(index.row());
    if (!row || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return row->text;
    case Qt::AccessibleDescriptionRole:
        if (row->kind == Kind::Header)
            return QStringLiteral("heading");
        return isMarked(*row) ? QStringLiteral("chosen") : QString();
    case KindRole:
        return static_cast<int>(row->kind);
    case MarkedRole:
        return isMarked(*row);
    case SectionRole:
        return row->section;
    case RowRole:
        return row->row;
    default:
        return {};
    }
}

Qt::ItemFlags UnitListModel::flags(const QModelIndex& index) const {
    const Entry* row = entry(index.row());
    // Headers take no taps and are skipped by the arrow keys and by typing.
    if (!row || row->kind == Kind::Header)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

} // namespace ratio
