#pragma once

#include "app/AnyViewController.h"
#include "app/HistoryListModel.h"
#include "engine/BaseCalculator.h"
#include "units/HistoryTape.h"
#include "units/UnitPairRestore.h"

#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <utility>

class QLabel;
class QListView;
class QMessageBox;
class QPushButton;

namespace Ui {
class HistoryViewController;
}

namespace ratio {

class AppDelegate;

// The history tape, newest first under a heading per day in the locale's
// date format. Tapping an entry puts it into row 0 (a conversion with its
// pair) and closes; each entry's menu copies or shares it; Clear history
// asks first.
class HistoryViewController final : public AnyViewController {
    Q_OBJECT

  public:
    explicit HistoryViewController(AppDelegate& appDelegate, QWidget* parent = nullptr);
    ~HistoryViewController() override;

    QPointer<QPushButton> BackButton, ClearButton;
    QPointer<QLabel> TitleLabel, EmptyLabel;
    QPointer<QListView> EntryList;

    // The entry a list row shows; none for a day's heading.
    const HistoryEntry* entryAt(int row) const;
    void reuseEntry(int row);
    // Asks whether to clear; the question is left open (see clearConfirmed).
    QMessageBox* clearPushed();
    void clearConfirmed();
    // An entry as the list shows it, and as Share gives it.
    QString entryText(const HistoryEntry& entry);
    // An entry's value as the row menus copy a number: no grouping, no unit.
    QString plainNumber(const HistoryEntry& entry) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void fill(const HistoryEntries& entries);
    void showEntryMenu(const QPoint& position);
    const std::optional<UnitPair>& pairOf(const HistoryPair& pair);
    QString number(const std::string& exact) const;
    void dismissSelf();

    AppDelegate& appDelegate;
    std::unique_ptr<Ui::HistoryViewController> ui;
    const BaseCalculator numbers; // the locale's separators
    HistoryListModel* rows;
    std::unique_ptr<UnitNameIndex> names;
    std::map<std::pair<std::string, std::string>, std::optional<UnitPair>> pairs;
};

} // namespace ratio
