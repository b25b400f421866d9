// The unit selection screen: one section per category with the units of its
// compact list and a "more" row. Two taps choose the units of row 0 and row 1.
//
// Tap flow: a first tap marks the first unit and asks for the second; a tap
// in the same category completes the pick (chains, stored names, the
// calculator cleared, every picking screen closed); a tap in another category
// takes over as first unit; a "more" row opens the category's full list.
#pragma once

#include "app/UnitsBaseViewController.h"
#include "units/Category.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

  protected:
    void didSelectRow(int section, int row) override;
    void backPushed() override;

  private:
    void viewDidLoad();
    void tapUnit(int section, int row);
    void tapMore(int section);
    void refreshMarks();

    std::unique_ptr<Ui::UnitsViewController> ui;
};

} // namespace ratio
