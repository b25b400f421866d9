#pragma once

#include "app/AnyViewController.h"
#include "app/UnitListModel.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace ratio {

class AppDelegate;
class CalculatorViewController;
struct LocalizedStrings;
class UnitListView;

// What both unit-picking screens share: the list, the prompt above it, the
// back button, and taps that click like the keypad. A screen is laid over the
// main screen by its presentation stack and deleted once dismissed.
class UnitsBaseViewController : public AnyViewController {
    Q_OBJECT

  public:
    QPointer<UnitListView> TableView;
    QPointer<QLabel> StatusLabel;
    QPointer<QPushButton> BackButton;

    const LocalizedStrings& strings() const { return texts; }
    UnitListModel& listModel() { return model; }

  protected:
    UnitsBaseViewController(AppDelegate& appDelegate, const LocalizedStrings& texts,
                            QWidget* parent);

    void takeOutlets(UnitListView* table, QLabel* status, QPushButton* back);
    void setStatusText(const std::string& text);
    void setBackTitle(const std::string& title);
    // Dismisses this screen (and any screen above it).
    void dismissSelf(bool animated);
    void fadeInMainUnitButton();
    CalculatorViewController* mainScreen() const;

    virtual void didSelectRow(int section, int row) = 0;
    virtual void backPushed() = 0;

    void keyPressEvent(QKeyEvent* event) override;

    AppDelegate& appDelegate;
    const LocalizedStrings& texts;
    UnitListModel model;

  private:
    void rowTapped(int section, int row);
};

} // namespace ratio
