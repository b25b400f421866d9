#pragma once

#include "units/HistoryTape.h"

#include <QAbstractListModel>
#include <QDate>
#include <QLocale>

#include <functional>
#include <vector>

namespace ratio {

// The history's rows, newest first, a heading before each day's entries. A
// row's text is made only when the view asks for it, so a full tape opens
// as fast as an empty one.
class HistoryListModel : public QAbstractListModel {
  public:
    using EntryText = std::function<QString(const HistoryEntry&)>;

    HistoryListModel(QLocale locale, EntryText entryText, QObject* parent = nullptr);

    // `entries` oldest first, as the file keeps them.
    void setEntries(const HistoryEntries& entries);
    // The entry a row shows; none for a heading or a row beyond the list.
    const HistoryEntry* entryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    struct Row {
        int entry; // -1 for a heading
        QDate day;
    };

    QLocale locale;
    EntryText entryText;
    HistoryEntries shown; // newest first
    std::vector<Row> rows;
};

} // namespace ratio
