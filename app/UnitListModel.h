// The rows of a unit-picking list: section headers, units and "more" rows,
// flattened into one list so a single view scrolls them all.
//
// The screens fill it from their compact list or a category; the texts are
// copies taken at that moment, so a catalogue that changes later (a new rate
// document) never leaves a row pointing into units that are gone. The marks
// (the chosen first and second unit) change without a reload.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <utility>
#include <vector>

namespace ratio {

class UnitListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    enum class Kind { Header, Unit, More };
    enum Role { KindRole = Qt::UserRole + 1, MarkedRole, SectionRole, RowRole };

    // One row: a header has row -1; a unit or more row its position in the section.
    struct Entry {
        Kind kind;
        QString text;
        int section;
        int row;
    };
    using Position = std::pair<int, int>; // section, row

    using QAbstractListModel::QAbstractListModel;

    void setEntries(std::vector<Entry> entries);
    // The rows shown as chosen; positions outside the list are ignored.
    void setMarked(std::vector<Position> positions);

    const Entry* entry(int flatRow) const;
    // The list row of (section, row), -1 when there is none.
    int flatRow(int section, int row) const;
    // The header row of `section`, -1 when the list has no headers.
    int headerRow(int section) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  private:
    bool isMarked(const Entry& entry) const;

    std::vector<Entry> entries;
    std::vector<Position> marked;
};

} // namespace ratio
