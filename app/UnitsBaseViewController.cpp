#include "app/UnitsBaseViewController.h"

#include "app/AppDelegate.h"
#include "app/CalculatorViewController.h"
#include "app/PresentationStack.h"
#include "app/UnitListView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ratio {

UnitsBaseViewController::UnitsBaseViewController(AppDelegate& appDelegate,
                                                 const LocalizedStrings& texts, QWidget* parent)
    : AnyViewController(parent), appDelegate(appDelegate), texts(texts) {
    setAttribute(Qt::WA_StyledBackground);
    setAutoFillBackground(true);
}

void UnitsBaseViewController::takeOutlets(UnitListView* table, QLabel* status, QPushButton* back) {
    TableView = table;
    StatusLabel = status;
    BackButton = back;
    if (TableView) {
        TableView->setModel(&model);
        connect(TableView, &UnitListView::tapped, this, &UnitsBaseViewController::rowTapped);
        connect(TableView, &UnitListView::backRequested, this,
                &UnitsBaseViewController::backPushed);
        setFocusProxy(TableView);
    }
    if (BackButton) {
        connect(BackButton, &QPushButton::pressed, this, &AnyViewController::anyButtonTouchDown);
        connect(BackButton, &QPushButton::clicked, this, &UnitsBaseViewController::backPushed);
    }
}

void UnitsBaseViewController::rowTapped(int section, int row) {
    anyButtonTouchDown();
    didSelectRow(section, row);
}

void UnitsBaseViewController::setStatusText(const std::string& text) {
    if (StatusLabel)
        StatusLabel->setText(QString::fromStdString(text));
}

void UnitsBaseViewController::setBackTitle(const std::string& title) {
    if (BackButton) {
        BackButton->setText(QString::fromStdString(title));
        BackButton->setAccessibleName(BackButton->text());
    }
}

void UnitsBaseViewController::dismissSelf(bool animated) {
    PresentationStack::of(*this).dismiss(this, animated);
}

CalculatorViewController* UnitsBaseViewController::mainScreen() const {
    return appDelegate.CalculatorViewControllerDelegate.data();
}

void UnitsBaseViewController::fadeInMainUnitButton() {
    if (CalculatorViewController* main = mainScreen())
        main->fadeInUnitButton();
}

void UnitsBaseViewController::keyPressEvent(QKeyEvent* event) {
    // Escape goes back from anywhere on the screen, and never reaches the
    // main screen beneath, where it would clear the calculator.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Back) {
        backPushed();
        return;
    }
    event->accept();
}

} // namespace ratio
