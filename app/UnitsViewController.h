// The unit selection screen: one section per category with the units of its
// compact list and a "more" row. Two taps choose the units of row 0 and row 1.
//
// Tap flow: a first tap marks the first unit and asks for the second; a tap
// in the same category completes the pick (chains, stored names, the
// calculator cleared, every picking screen closed); a tap in another category
// takes over as first unit; a "more" row opens the category's full list.
//
// Typing fills the search field above the list, which then shows the units of
// the whole catalogue whose names hold the text; a unit picked there that is
// not in the compact list joins it first, so the same two taps apply.
#pragma once

#include "app/UnitSearch.h"
#include "app/UnitsBaseViewController.h"
#include "units/Category.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace Ui {
class UnitsViewController;
}

namespace ratio {

class UnitsViewController final : public UnitsBaseViewController {
    Q_OBJECT

  public:
    explicit UnitsViewController(AppDelegate& appDelegate, QWidget* parent = nullptr);
    UnitsViewController(AppDelegate& appDelegate, const LocalizedStrings& texts,
                        QWidget* parent = nullptr);
    ~UnitsViewController() override;

    QPointer<QLabel> ColorLabel;
    QPointer<QLineEdit> SearchField;
    int LastSelectedNumberIndex = 1;
    int SelectedSection0 = -1;
    int SelectedRow0 = -1;
    int SelectedSection1 = -1;
    int SelectedRow1 = -1;
    int SelectedAdditionalSection = -1;
    std::vector<Category> CategoriesWithAddedUnits;

    void rebuildCompactList();
    std::string statusText(int index, int section) const;
    std::optional<std::string> shortNameAt(int section, int row) const;
    void completeSelection();
    void showAdditionalUnits();
    void scrollToLastSelection();
    void closeUnitSelection();
    // Shows the list and the marks as the fields now say.
    void reloadTable();
    void refreshStatus();
    // True while the list shows the units found for the search field's text;
    // its rows are then positions in the catalogue, not in the compact list.
    bool isFiltered() const { return filtered; }

  protected:
    void didSelectRow(int section, int row) override;
    void backPushed() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void viewDidLoad();
    void tapUnit(int section, int row);
    void tapMore(int section);
    void tapFound(int section, int catalogueRow);
    void refreshMarks();
    std::vector<UnitListModel::Entry> compactEntries() const;
    std::vector<UnitListModel::Entry> foundEntries();
    // Where a compact-list unit stands in the list as shown.
    UnitListModel::Position shownPosition(int section, int row) const;
    void searchTextChanged(const QString& text);
    bool listKeyPressed(QKeyEvent& event);
    bool searchKeyPressed(QKeyEvent& event);

    std::unique_ptr<Ui::UnitsViewController> ui;
    bool filtered = false;
    std::optional<UnitSearch> search;
    // The compact list's scroll position and current row, restored when the search is cleared.
    int unfilteredScroll = 0;
    UnitListModel::Position unfilteredCurrent{-1, -1};
};

} // namespace ratio
