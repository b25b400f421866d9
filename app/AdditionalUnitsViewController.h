// The additional units screen: every unit of one category. Picking one that
// is not in the compact list adds it there until the process ends; the pick
// itself drives the unit selection screen's two taps.
#pragma once

#include "app/UnitsBaseViewController.h"

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class AdditionalUnitsViewController;
}

namespace ratio {

class UnitsViewController;

class AdditionalUnitsViewController final : public UnitsBaseViewController {
    Q_OBJECT

  public:
    explicit AdditionalUnitsViewController(AppDelegate& appDelegate, QWidget* parent = nullptr);
    AdditionalUnitsViewController(AppDelegate& appDelegate, const LocalizedStrings& texts,
                                  QWidget* parent = nullptr);
    ~AdditionalUnitsViewController() override;

    int Section = -1;
    // Says why the currency list is empty before the first rates; hidden otherwise.
    QPointer<QLabel> NoRatesLabel;

    std::string additionalStatusText(int index, int section) const;
    int catalogueRowForCompactRow(int compactRow, int category) const;
    void reloadTable();

  protected:
    void didSelectRow(int section, int row) override;
    void backPushed() override;

  private:
    void viewDidLoad();
    UnitsViewController* selectionScreen() const;
    void pickSecondUnit(UnitsViewController& selection, std::size_t row);
    void pickFirstUnit(UnitsViewController* selection, std::size_t row);
    // Puts the unit on its category's short list, kept for the next start.
    void addToCompactList(std::size_t row);
    void refreshStatus();
    void renumberAfterNewRates();
    void showNoRatesNote(bool shown);

    std::unique_ptr<Ui::AdditionalUnitsViewController> ui;
    // The long names the list shows; a tap is taken only while the catalogue still agrees.
    std::vector<std::string> shownNames;
};

} // namespace ratio
